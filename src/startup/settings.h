#pragma once

#include <string_view>

namespace answerbook {

// The test site's network address that each exam instruction names: where the
// students copy their problems from.
inline constexpr std::string_view kTestSiteAddress = "192.0.2.10";

// The two work folders; the home folder is created at every start, the LAN
// folder only ever used where it exists.
inline constexpr std::string_view kHomeFolder = "c:\\zelmwork";
inline constexpr std::string_view kLanFolder =
    "i:\\bkp_000416\\My Documents\\distance students\\interactive problems\\lb1";

}  // namespace answerbook
