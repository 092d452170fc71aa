// Loads the picture of an image shape or an editor icon into the picture
// store, telling the user when the file is missing or cannot be decoded.
#pragma once

#include <cstdint>
#include <string>

#include "document/editor_context.h"

namespace tavisk {

// id 0 or negative: a new handle; id naming a loaded picture: replaces it
// (an id that names none also gets a new handle). Result: the handle; 0 when
// the file exists but is not a PNG or JPEG picture; -1 when there is no file
// or it is empty. A file already decoded and unchanged is not decoded again:
// the new handle shows the same pixels. A picture that would take the store
// past its budget is reported (once a batch) and gets the store's
// placeholder handle.
int64_t LoadPicture(EditorContext& ctx, int64_t id, const std::string& path);

}  // namespace tavisk
