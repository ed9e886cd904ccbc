#pragma once
// The program's identity and the maker's addresses, kept in one place.

inline constexpr const char* ProductTitle = "Tolvane PNG to PSD";
inline constexpr int ProgramVersion = 230;
// Second level of the per-user settings folder; also names the help and update files.
inline constexpr const char* ShortName = "rastoc";
// First blank-separated word of the product title: first level of the settings folder.
inline constexpr const char* MakerWord = "Tolvane";
// The maker's copyright line; also the default watermark text.
inline constexpr const char* CopyrightText = "\u00A9 2009-2026 Tolvane Software";

inline constexpr const char* WebSiteAddress = "https://www.tolvane.example/";
inline constexpr const char* ProductPageAddress = "https://www.tolvane.example/rastoc/";
inline constexpr const char* SupportMailAddress = "mailto:support@tolvane.example";
inline constexpr const char* UninstallPageAddress = "https://www.tolvane.example/uninstall/";
inline constexpr const char* ConverterSearchAddress = "https://www.tolvane.example/search/";
inline constexpr const char* UpdateHost = "www.tolvane.example";

#include <QString>

// The dotted version text: 230 gives "2.3", 231 gives "2.3.1".
QString VersionText(int version);
// The title, one blank and the dotted version.
QString TitleWithVersion(const QString& title, int version);
