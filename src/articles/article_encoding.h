#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvin::articles {

// Whether bytes are valid UTF-8 holding something beyond ASCII (a byte-order mark counts).
bool isUtf8Text(std::string_view bytes);

// Articles are typed as GBK. A UTF-8 article (as Linux editors save them) is converted, its
// byte-order mark dropped; a character GBK cannot hold becomes '?', which the learner can
// type. Returns how many characters were replaced; GBK and ASCII text stays as it is.
std::size_t convertUtf8Article(std::string& bytes);

}  // namespace quorvin::articles
