#pragma once
// The maker of the program, in one place: its site name, web address,
// e-mail address and telephone number. Each may be set when the program is
// built (CMake: -DBLOWCOUNT_WEB_ADDRESS=..., -DBLOWCOUNT_SITE_NAME=...,
// -DBLOWCOUNT_EMAIL=..., -DBLOWCOUNT_TELEPHONE=...); the defaults point
// nowhere real.

#ifndef BLOWCOUNT_WEB_ADDRESS
#define BLOWCOUNT_WEB_ADDRESS "http://www.quelmara.example"
#endif
#ifndef BLOWCOUNT_SITE_NAME
#define BLOWCOUNT_SITE_NAME "Quelmara"
#endif
#ifndef BLOWCOUNT_EMAIL
#define BLOWCOUNT_EMAIL "info@quelmara.example"
#endif
#ifndef BLOWCOUNT_TELEPHONE
#define BLOWCOUNT_TELEPHONE "0-0000-0000"
#endif

namespace app::maker {

// The home page, plain HTTP, without a trailing slash; the maker's other
// pages are paths on it (web_page.h).
inline constexpr const char* kWebAddress = BLOWCOUNT_WEB_ADDRESS;
inline constexpr const char* kSiteName = BLOWCOUNT_SITE_NAME;
inline constexpr const char* kEmail = BLOWCOUNT_EMAIL;
inline constexpr const char* kTelephone = BLOWCOUNT_TELEPHONE;

inline constexpr const char* kProductName = "Quelmara Vostraleen Blow Count";
// The program's own name: the title of its web-browser message.
inline constexpr const char* kProgramName = "Vostraleen_Blowcount";

}  // namespace app::maker
