// Standard C streams and std::filesystem only, so the same code runs on every platform: the C
// streams report the system's reason in errno, and fclose tells whether the last bytes arrived.
#include "shell/output_file.hpp"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;

std::string systemReason(int error) { return error ? std::strerror(error) : "an unknown error"; }

// Something stands at `path` that is neither a regular file nor a folder: a device, a pipe, a socket.
bool isDeviceOrPipe(const fs::file_status& status) {
  return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

// The file a rename must replace: through symbolic links, so that a link stays a link.
fs::path renameTarget(const fs::path& path, const fs::file_status& status) {
  std::error_code ec;
  if (!fs::exists(status)) return path;
  const fs::path target = fs::canonical(path, ec);
  return ec ? path : target;
}

fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// A name beside `target` that nothing uses yet; the clock makes two runs pick different ones.
fs::path temporaryBeside(const fs::path& target) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string stem = "." + target.filename().string() + ".part";
  std::error_code ec;
  for (long long n = stamp;; ++n) {
    fs::path candidate = folderOf(target) / (stem + std::to_string(n % 1000000007));
    if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
  }
}

// Opens, writes, flushes and closes; every step checked, since a full disk may show only at the end.
bool writeInPlace(const fs::path& path, std::string_view bytes, std::string& reason) {
  errno = 0;
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (!file) {
    reason = systemReason(errno);
    return false;
  }
  // An empty string_view may hold no pointer at all, which fwrite must not be given.
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  bool ok = written && std::fflush(file) == 0;
  int error = ok ? 0 : errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) reason = systemReason(error);
  return ok;
}

// Creating a file is the one test of a folder that every system answers truthfully (permissions,
// read-only mounts, quotas).
std::string folderProblem(const fs::path& folder) {
  std::error_code ec;
  const fs::file_status status = fs::status(folder, ec);
  if (!fs::exists(status)) return "the folder " + folder.string() + " does not exist";
  if (!fs::is_directory(status)) return folder.string() + " is not a folder";
  const fs::path probe = temporaryBeside(folder / "probe");
  std::string reason;
  if (!writeInPlace(probe, {}, reason)) return reason;
  fs::remove(probe, ec);
  return "";
}

}  // namespace

std::string outputPathProblem(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::is_directory(status)) return "it is a folder";
  if (isDeviceOrPipe(status)) return "";
  const fs::path target = renameTarget(path, status);
  if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
    return "it is read-only";
  return folderProblem(folderOf(target));
}

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& reason) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (isDeviceOrPipe(status)) return writeInPlace(path, bytes, reason);
  const fs::path target = renameTarget(path, status);
  const fs::path temporary = temporaryBeside(target);
  bool ok = writeInPlace(temporary, bytes, reason);
  if (ok && fs::exists(status)) fs::permissions(temporary, status.permissions(), ec);
  if (ok) fs::rename(temporary, target, ec);
  if (ok && ec) {
    ok = false;
    reason = ec.message();
  }
  if (!ok) fs::remove(temporary, ec);
  return ok;
}

}  // namespace gloam::shell
