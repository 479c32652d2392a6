// The maker's contact points, shown in the About box and opened from the Help menu. One place,
// so that the menu and the About box never disagree.
#pragma once

namespace designer {

inline constexpr char kSupportAddress[] = "support@quorvane.com";
inline constexpr char kHomePage[] = "https://www.quorvane.com/";

}  // namespace designer
