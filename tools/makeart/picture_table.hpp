// Every picture the tool can paint, looked up by art folder and file name, and the one entry point
// that paints a picture. Painting is deterministic: each picture draws from its own seeded Rng.
#pragma once
#include <string_view>
#include <vector>

#include "makeart/canvas.hpp"
#include "makeart/picture_spec.hpp"

namespace gloam::makeart {

std::vector<PictureSpec> allPictures();

// nullptr when no painter exists for that file.
const PictureSpec* findPicture(std::string_view directory, std::string_view fileName);

// The painted picture; the same spec always gives the same pixels.
Canvas paintPicture(const PictureSpec& spec);

}  // namespace gloam::makeart
