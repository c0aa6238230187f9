// Forced into every file of the browser build (CMakeLists.txt): the two C++20
// library templates the game uses that the toolchain's libc++ does not have yet.
#pragma once
#include <memory>
#include <type_traits>
#include <version>

namespace std {

#ifndef __cpp_lib_bit_cast
template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> && is_trivially_copyable_v<From>) constexpr To
    bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
#endif

#if !defined(__cpp_lib_smart_ptr_for_overwrite)
template <class T>
requires is_unbounded_array_v<T> unique_ptr<T> make_unique_for_overwrite(size_t n) {
  return unique_ptr<T>(new remove_extent_t<T>[n]);
}
template <class T>
requires(!is_array_v<T>) unique_ptr<T> make_unique_for_overwrite() { return unique_ptr<T>(new T); }
#endif

}  // namespace std
