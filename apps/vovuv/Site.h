#pragma once

// The product's web site: the draw file and the version file are at its root.
inline constexpr const char* kSiteRoot = "http://www.vovuv.example/";
