#pragma once
// The maker of the program: its name and web address, in one place. The
// address may be set at build time (-DBLOWCOUNT_WEB_ADDRESS=...).

#ifndef BLOWCOUNT_WEB_ADDRESS
#define BLOWCOUNT_WEB_ADDRESS "http://www.quelmara.example"
#endif

namespace app::maker {

inline constexpr const char* kWebAddress = BLOWCOUNT_WEB_ADDRESS;
inline constexpr const char* kSiteName = "Quelmara";
inline constexpr const char* kProductName = "Quelmara Vostraleen Blow Count";

}  // namespace app::maker
