// The library's leaf procedures: rectangles and points, number arrays,
// strings and separated fields, bits, paths, waiting and the system menu.
// All pure unless stated. Strings count bytes, as AnsiString does.
#pragma once

#include <span>

#include "ansistring.h"
#include "hwnd.h"
#include "rect.h"
#include "sets.h"
#include "unitstartup.h"

namespace Vyrprocs {

enum class TVyrPathPrefix { ppWindows, ppSystem, ppProgram, ppFixed };

enum class TVyrSysMenuEntry { smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smSwitch };
using TVyrSysMenuEntries = TSet<TVyrSysMenuEntry>;

// ---- rectangles and points ----
// R grown by n on every side.
TRect VyrExpandRect(const TRect& R, int n);
// Right += dx, Bottom += dy.
void VyrAdjustRect(TRect& R, int dx, int dy);
void VyrAdjustRectExt(TRect& R, int l, int t, int r, int b);
// Src's aspect scaled to fit Dst, at Dst's top-left; an empty Src gives an
// empty rect there.
TRect VyrAffineRect(const TRect& Src, const TRect& Dst);
void VyrGetRectWH(const TRect& R, int& W, int& H);
// Both corners of A inside B, by PtInRect (so A's right and bottom must lie
// short of B's).
bool VyrRectinRect(const TRect& A, const TRect& B);
// R becomes the size, at (0, 0), of its bounding box turned by Angle
// degrees; nothing for 0.
void VyrCalcRotRect(TRect& R, int Angle);
// Where the origin of a text turned by Angle degrees lies in its bounding
// box.
int VyrRotatedXPos(int Angle, int H, int W);
int VyrRotatedYPos(int Angle, int W, int H);
// The integer mean of the first n points; P untouched for n = 0.
void VyrMidpoint(std::span<const TPoint> Points, int n, TPoint& P);
// Points 0..High (as far as the array reaches) shifted or zeroed.
void VyrOffsetPoints(std::span<TPoint> Points, int High, int dx, int dy);
void VyrNullPoints(std::span<TPoint> Points, int High);

// ---- numbers ----
// The largest / smallest of elements 0..High (as far as the array reaches);
// 0 for none.
int VyrMax(std::span<const int> Values, int High);
int VyrMin(std::span<const int> Values, int High);
double VyrMaxR(std::span<const double> Values, int High);
double VyrMinR(std::span<const double> Values, int High);
// (a + b) div 2, toward zero.
int VyrMidI(int a, int b);
void VyrSwapInt(int& a, int& b);
void VyrSwapString(AnsiString& a, AnsiString& b);

// ---- strings ----
// S padded to n bytes with c on the left / right; a longer S unchanged.
AnsiString VyrAddCharL(const AnsiString& S, int n, char c);
AnsiString VyrAddCharR(const AnsiString& S, int n, char c);
AnsiString VyrAddSpaceL(const AnsiString& S, int n);
AnsiString VyrAddSpaceR(const AnsiString& S, int n);
AnsiString VyrAddZeroL(const AnsiString& S, int n);
AnsiString VyrAddZeroR(const AnsiString& S, int n);
int VyrCount(const AnsiString& S, char c);
// The last 1-based position of c, 0 when absent.
int VyrBackPos(char c, const AnsiString& S);
// Empty or only blanks.
bool VyrEmpty(const AnsiString& S);
AnsiString VyrFillString(int n, char c);
AnsiString VyrSpace(int n);
AnsiString VyrTrimL(const AnsiString& S);
AnsiString VyrTrimR(const AnsiString& S);
AnsiString VyrTrim(const AnsiString& S);
AnsiString VyrReplaceChar(const AnsiString& S, char Old, char New);
// One trailing backslash ensured / removed: these serve registry paths,
// whose separator is '\' everywhere.
AnsiString VyrSlashAdd(const AnsiString& S);
AnsiString VyrSlashRemove(const AnsiString& S);

// ---- separated fields ----
// Elements 0..High (as far as the array reaches) joined by Sep.
AnsiString VyrCodeString(std::span<const AnsiString> Strings, int High, char Sep);
AnsiString VyrCodeInt(std::span<const int> Ints, int High, char Sep);
// 0 for an empty S, else the separators plus one.
int VyrGetCodedCount(const AnsiString& S, char Sep);
// Field i (from 0); empty when missing.
AnsiString VyrGetCodedString(const AnsiString& S, char Sep, int i);
// Field i as a number; -1 when empty, missing or no number.
int VyrGetCodedInt(const AnsiString& S, char Sep, int i);
// Field i replaced; missing fields are first added empty.
void VyrSetCodedString(AnsiString& S, const AnsiString& Value, char Sep, int i);

// ---- bits ----
// Bit n (0..7) set, or toggled when On is false.
void VyrSetBit(unsigned char& B, int n, bool On);
// Bits 0..n set.
void VyrSetBitUpTo(unsigned char& B, int n);
bool VyrGetBit(unsigned char B, int n);
// base to the power n; 1 for n < 1.
int VyrExp(int base, int n);

// ---- paths ----
// The program's folder, ending with PathDelim.
AnsiString VyrAppPath();
// "SOFTWARE\" and the program file's name without extension.
AnsiString VyrAppIniName();
// The file name of S without folder and extension.
AnsiString VyrExtractFileName(const AnsiString& S);
AnsiString VyrSystemDirectory();
AnsiString VyrWindowsDirectory();
// The folder of Prefix, with one trailing PathDelim when WithSlash, else
// none; ppFixed is the empty prefix either way.
AnsiString VyrCreatePathPrefix(TVyrPathPrefix Prefix, bool WithSlash);
// S shortened to MaxLen by replacing leading folders with "...\" (".../"
// for a path written with '/'), then dropping the drive and the folders; the
// file name itself is never cut.
AnsiString VyrShrunkFileName(const AnsiString& S, int MaxLen);

// ---- system ----
// Waits ms milliseconds on the platform clock, in short sleeps.
void VyrDelay(unsigned ms);
// Deletes the items of a system menu that Entries does not keep, by
// position: the window menu, or with Dialog the dialog menu.
void VyrCheckSystemMenu(TVyrSysMenuEntries Entries, HMENU Menu, bool Dialog);

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrprocs", &Initialize, &Finalize};

}  // namespace Vyrprocs
