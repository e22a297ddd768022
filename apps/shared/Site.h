#pragma once

// The product's web site (scheme and host, no trailing "/"): the draw file and the version
// file are at its root. TForm1::SiteRoot starts with it; tests point it at their own server.
inline constexpr const char* kSiteRoot = "http://www.vovuv.example";
