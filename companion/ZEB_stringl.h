// Unit ZEB_stringl of corekit_rt: string helpers the components share (number text, token
// splitting, padding, searching, stripping), a stream line reader, folder paths, passwords.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fw {
class TStream;
}

namespace zeb {

// All positions and lengths count Unicode code points of UTF-8 text and are 1-based, like the
// run-time library's string helpers.

// x as the run-time library's Str(x:Width:Decimals) writes it: rounded to Decimals decimals
// with "." as the decimal point, right-aligned with blanks to at least Width characters. A
// negative Decimals gives the scientific form Str(x:Width).
std::string strff(double x, int Width, int Decimals);

// Splits S at every occurrence of Delim into Parts (replacing its contents) and returns the
// number of parts. Empty S gives 0 parts. Otherwise there is one part more than there are
// delimiters, so empty parts are kept: "a||b" gives "a", "", "b" and "|" gives "", "". An empty
// Delim gives S as the only part.
int Tokenize(std::string_view S, std::string_view Delim, std::vector<std::string>& Parts);

// The first Len characters of S, padded with blanks on the right to exactly Len characters;
// "" for Len below 1.
std::string LeftString(std::string_view S, int Len);

// Position of the N-th occurrence of Sub in S, searching from position Start (below 1 counts
// as 1); occurrences do not overlap (the search goes on after the end of each one). With
// IgnoreCase, letters compare without regard to case. 0 when there is no N-th occurrence, N is
// below 1 or Sub is empty.
int NumberedPos(std::string_view Sub, std::string_view S, int Start, int N, bool IgnoreCase);

// S without its control characters: code points below 32, 127 and 128..159.
std::string RemoveControlChars(std::string_view S);

// S with every OldChar replaced by NewChar.
std::string ReplaceCharInString(std::string_view S, char32_t OldChar, char32_t NewChar);

// S without the run of Ch at its start / at its end.
std::string StripLeadingChars(char32_t Ch, std::string_view S);
std::string StripTrailingChars(char32_t Ch, std::string_view S);
// S with Ch appended unless it already ends with Ch; empty S gives Ch alone.
std::string EnsureTrailingChar(char32_t Ch, std::string_view S);

// S ending in the path delimiter of this system ("/", the folder separator on POSIX) —
// the counterpart of a trailing backslash; empty S gives "/" (the root of the folder tree).
std::string EnsureTrailingBkSlash(std::string_view S);

// Reads the next line from Stream's position: the bytes up to the next line end (LF, CR LF or
// a lone CR), without it; the stream is left after the line end. Eof is set to true when the
// stream has no bytes left after this line (so the last line, with or without a line end, is
// returned with Eof true; an exhausted stream gives "" with Eof true). MaxLength above 0 caps
// the line at that many bytes, cut before a UTF-8 sequence that does not fit (a first character
// longer than the cap comes whole); the rest of the line comes with the next call. 0 means no
// limit.
std::string ReadLnStream(fw::TStream& Stream, bool& Eof, int MaxLength);

// True when Path names an existing directory (symbolic links followed).
bool DirExists(const std::string& Path);

// The parent folder of Path with a trailing "/": "/a/b/c/" and "/a/b/c" give "/a/b/", "/a/"
// gives "/". The top gives "": the root "/", an empty path and a single relative name.
std::string ParentDir(std::string_view Path);

// A new password of Len letters (A-Z, a-z) and digits, each drawn uniformly from the
// operating system's cryptographic random source; "" for Len below 1.
std::string InventPassword(int Len);

}  // namespace zeb
