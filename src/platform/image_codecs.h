// The PNG and JPEG codecs (libpng, libjpeg-turbo).
#pragma once

namespace tavisk {

// Checks, in this order, that the PNG decoder, PNG encoder, JPEG decoder and
// JPEG encoder can be set up; false at the first that cannot.
bool RegisterImageCodecs();

}  // namespace tavisk
