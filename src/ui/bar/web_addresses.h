#pragma once
// The web pages the Help menu opens, kept in one place.

namespace twl {

// The home page item names the site.
inline constexpr const char* kHomePageCaption = "VT Home Page (tintwell.example.org)";
inline constexpr const char* kHomePage = "https://tintwell.example.org";
inline constexpr const char* kSupportPage = "https://tintwell.example.org/support";
inline constexpr const char* kReportProblemPage =
    "https://tintwell.example.org/support/bugreport.htm";
inline constexpr const char* kColorResourcesPage =
    "https://tintwell.example.org/designers/index.htm";
inline constexpr const char* kColorSchemeGeneratorPage = "https://colorschemes.example.org";
inline constexpr const char* kSupportEmail = "support@tintwell.example.org";

} // namespace twl
