#pragma once

#include <string_view>

namespace tintrel {

// The messages of palette import and export, in code page 932. "%s" is where the file's full path goes.

// ファイル %s は空です: An empty file.
inline constexpr std::string_view kFileEmpty =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCD\x8B\xF3\x82\xC5\x82\xB7";
// ファイル %s はパレットのファイルではありません: A file of no palette format this program reads.
inline constexpr std::string_view kNotAPalette =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCD\x83p\x83\x8C\x83"
    "b\x83g\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// ファイル %s は途中で切れています: A field runs past the end of the file.
inline constexpr std::string_view kTruncated =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCD\x93r\x92\x86\x82\xC5\x90\xD8\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7";
// ファイル %s は中身より長い部分があると示しています: A count or length claims more than the file holds.
inline constexpr std::string_view kClaimsTooMuch =
    "\x83t\x83@\x83"
    "C\x83\x8B %s "
    "\x82\xCD\x92\x86\x90g\x82\xE6\x82\xE8\x92\xB7\x82\xA2\x95\x94\x95\xAA\x82\xAA\x82\xA0\x82\xE9\x82\xC6\x8E\xA6\x82"
    "\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7";
// ファイル %s は大きすぎます（16 MB まで）: Larger than kMaxExchangeFileBytes.
inline constexpr std::string_view kFileTooLarge =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCD\x91\xE5\x82\xAB\x82\xB7\x82\xAC\x82\xDC\x82\xB7\x81i16 MB \x82\xDC\x82\xC5\x81j";
// ファイル %s には色がありません: A palette without a single colour.
inline constexpr std::string_view kNoColors =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xC9\x82\xCD\x90"
    "F\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// ファイル %s の色の形式には対応していません: A swatch of a colour model that is not read.
inline constexpr std::string_view kUnknownColorModel =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCC\x90"
    "F\x82\xCC\x8C`\x8E\xAE\x82\xC9\x82\xCD\x91\xCE\x89\x9E\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1";
// 行目は色として読めません: After "ファイル %s の" and a line number: a line of a text palette that is no colour.
inline constexpr std::string_view kLineNotAColor =
    "\x8Ds\x96\xDA\x82\xCD\x90"
    "F\x82\xC6\x82\xB5\x82\xC4\x93\xC7\x82\xDF\x82\xDC\x82\xB9\x82\xF1";
// ファイル %s の
inline constexpr std::string_view kFileLinePrefix =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCC ";
// Paint.NET のパレットは 96 色までです。このページは : Followed by the page's colour count and kColorsFollow.
inline constexpr std::string_view kPaintNetTooMany =
    "Paint.NET \x82\xCC\x83p\x83\x8C\x83"
    "b\x83g\x82\xCD 96 \x90"
    "F\x82\xDC\x82\xC5\x82\xC5\x82\xB7\x81"
    "B\x82\xB1\x82\xCC\x83y\x81[\x83W\x82\xCD ";
//  色あります
inline constexpr std::string_view kColorsFollow =
    " \x90"
    "F\x82\xA0\x82\xE8\x82\xDC\x82\xB7";
// ファイル %s に書き込めません: The exported file could not be written; it is as it was.
inline constexpr std::string_view kCannotWriteFile =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";
// パレットに入りきらない
inline constexpr std::string_view kColorsLeftOutPrefix =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xC9\x93\xFC\x82\xE8\x82\xAB\x82\xE7\x82\xC8\x82\xA2 ";
//  色は読み込みませんでした: After kColorsLeftOutPrefix and a count.
inline constexpr std::string_view kColorsLeftOut =
    " \x90"
    "F\x82\xCD\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD";
//  ページは読み込みませんでした: After kColorsLeftOutPrefix and a count.
inline constexpr std::string_view kPagesLeftOut =
    " \x83y\x81[\x83W\x82\xCD\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD";
// パレットは 8 ページまでです。選択中のページ「
inline constexpr std::string_view kReplacePagePrefix =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xCD 8 \x83y\x81[\x83W\x82\xDC\x82\xC5\x82\xC5\x82\xB7\x81"
    "B\x91I\x91\xF0\x92\x86\x82\xCC\x83y\x81[\x83W\x81u";
// 」を読み込んだ色で置き換えますか？: After kReplacePagePrefix and the page's name.
inline constexpr std::string_view kReplacePageSuffix =
    "\x81v\x82\xF0\x93\xC7\x82\xDD\x8D\x9E\x82\xF1\x82\xBE\x90"
    "F\x82\xC5\x92u\x82\xAB\x8A\xB7\x82\xA6\x82\xDC\x82\xB7\x82\xA9\x81H";

}  // namespace tintrel
