// The library's utilities: the block compressor and the compressed stream,
// the typed stream helpers the containers store themselves with, and the
// text encodings of fonts, points and rectangles that the settings storage
// keeps.
//
// Stream integers are little-endian. A compressed block (at most
// kVyrBlockSize bytes) holds at most kVyrBlockInput source bytes: 0x80 and
// the bytes as they are, or 0x40 and items under big-endian 16-bit control
// words (bit 0 a literal byte, bit 1 a copy of 3..18 bytes from up to 4095
// bytes back, or a run of 16..4111 equal bytes). A compressed stream is a
// 4-byte total of all (4 + block length), then each block after its 4-byte
// length.
#pragma once

#include <cstdint>
#include <vector>

#include "ansistring.h"
#include "bitmap.h"
#include "canvas.h"
#include "palette.h"
#include "rect.h"
#include "scope_guard.h"
#include "streams.h"
#include "tstrings.h"
#include "vyrgraph.h"
#include "vyrprocs.h"
#include "unitstartup.h"

class TFont;

namespace Vyrmms {
class TVyrWave;
}

namespace Vyrutils {

constexpr int kVyrBlockSize = 32782;
constexpr int kVyrBlockInput = kVyrBlockSize - 1;

// ---- the block compressor ----
// Compresses Size (at most kVyrBlockInput) bytes into Dest, which holds
// kVyrBlockSize bytes; the block length. Input that does not shrink is
// stored, one byte longer than it was.
std::uint16_t VyrLZRWCompress(const void* Source, int Size, void* Dest);
// Decodes the block of Size bytes into Dest, which holds kVyrBlockInput
// bytes; the number of bytes produced. A corrupt block (bad length, an item
// cut at its end, a copy from before the output's start, more than
// kVyrBlockInput bytes out) raises EReadError; nothing is written past Dest.
std::uint16_t VyrLZRWDecompress(const void* Source, void* Dest, int Size);

// Count bytes of Source from its position, compressed onto Dest.
void SaveCompressedStream(TStream* Source, TStream* Dest, int Count);
// One compressed stream of Source, decoded onto Dest. A corrupt one raises
// EReadError.
void LoadCompressedStream(TStream* Source, TStream* Dest);

// ---- typed stream helpers ----
// Plain reads: what the stream does not hold reads as zeros.
void stWriteInteger(TStream* Stream, int Value);
int stReadInteger(TStream* Stream);
void stWriteWord(TStream* Stream, std::uint16_t Value);
std::uint16_t stReadWord(TStream* Stream);
void stWriteByte(TStream* Stream, std::uint8_t Value);
std::uint8_t stReadByte(TStream* Stream);
// A length byte and the UTF-8 bytes; a longer text is cut to its longest
// whole-character prefix within 255 bytes. A read that is not UTF-8 is taken
// as Windows-1252.
void stWriteString(TStream* Stream, const AnsiString& S);
AnsiString stReadString(TStream* Stream);
// The list's text (lines ended by CR LF): a compressed stream of it, or its
// 4-byte length and the bytes. A cut or corrupt body raises EReadError.
void stWriteStringList(TStream* Stream, TStrings* List, bool Compressed);
void stReadStringList(TStream* Stream, TStrings* List, bool Compressed);
// The wave's image: a compressed stream of it, or its 4-byte length and the
// bytes. A cut or corrupt body raises EReadError (or EInvalidWave for bytes
// that are no wave), the wave unchanged.
void stWriteWave(TStream* Stream, Vyrmms::TVyrWave* Wave, bool Compressed);
void stReadWave(TStream* Stream, Vyrmms::TVyrWave* Wave, bool Compressed);

// ---- text encodings ----
// The separator of the texts below: LoadStr(IDS_DEFAULTDELIMITER), "," as
// shipped.
char VyrDelimiter();
// Name, Size, Color, Bold, Italic, Underline, StrikeOut, the styles "0" or
// "1".
AnsiString VyrFontToString(TFont* Font);
// A text of exactly seven fields sets the font (a bad size reads 10); any
// other count leaves it be. A style or colour field that is no number or
// name raises EConvertError before the font changes.
void VyrStringToFont(const AnsiString& S, TFont* Font);
// "[X,Y]"; reading takes the parts around the first separator inside the
// brackets, (0, 0) without one.
AnsiString VyrPointToString(const TPoint& P);
TPoint VyrStringToPoint(const AnsiString& S);
// "Left,Top,Right,Bottom"; anything but four fields reads as the empty rect.
AnsiString VyrRectToString(const TRect& R);
TRect VyrStringToRect(const AnsiString& S);
// List cleared and given the pieces of S between separators; a trailing
// separator adds no empty piece.
void VyrParseToStrList(const AnsiString& S, char Separator, TStrings* List);

}  // namespace Vyrutils

// ======== drawing ========
// Stateless routines on a canvas (or a DC where said). They change only the
// pen, brush, copy mode and clip named beside them; a routine that clips
// puts back the caller's clip afterwards.

class TBitmap;
class TControl;
class TForm;
class TIcon;
class TList;
class TStringList;

namespace Vyrutils {

using Vyrgraph::TVyrBevelStyle;
using Vyrgraph::TVyrBorderStyle;
using Vyrgraph::TVyrButtonState;
using Vyrgraph::TVyrGradientStyle;
using Vyrgraph::TVyrUserButtonStyle;

// ---- frames and small shapes ----
// A ring of Width pixels inside Rect, which shrinks to the inner area. False
// and nothing drawn for Width 0, bvNone and bvShadow.
bool VyrDrawFrame3D(TCanvas* Canvas, TRect& Rect, TVyrBevelStyle Style, TColor Light, TColor Shadow, int Width);
// A drop shadow of Depth pixels right and bottom, then FrameWidth rings in
// FrameColor; Flags is not consulted.
bool VyrDrawFrameShadow(TCanvas* Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor,
                        std::uint8_t Depth, std::uint8_t FrameWidth, bool Transparent, std::uint16_t Flags);
// One of the fifteen standard frames with DrawEdge, Flags added to the edge
// flags; Rect shrinks by what was drawn. True, also for an unknown style.
bool VyrDrawStdFrame(TCanvas* Canvas, TRect& Rect, TVyrBorderStyle Style, std::uint16_t Flags);
// The width of a standard frame.
int VyrDrawStdFrameExt(TVyrBorderStyle Style);
// A one-pixel frame: TopLeft left and top, BottomRight right and bottom.
void VyrDrawBorder(TCanvas* Canvas, const TRect& Rect, TColor TopLeft, TColor BottomRight);
// An arrow triangle of Size 2..15 (else nothing): down spans X..X+2*Size-2,
// up is centred on X + Size div 2; disabled it is embossed.
void VyrDrawTriangle(TCanvas* Canvas, int X, int Y, int Size, TColor Color, bool Down, bool Enabled);
// Fills and frames a button face; Rect becomes the content area.
// Flags: 0x01 round corners (ubsWin31), 0x02 focused, 0x04 standard frames,
// 0x08 sunken edge when pressed (ubsWin40), 0x10 outer frame filled, 0x20
// default button.
bool VyrDrawBtnFace(TCanvas* Canvas, bool Flat, TRect& Rect, TVyrUserButtonStyle UserStyle, TVyrButtonState State,
                    std::uint16_t Flags, TColor Color);

// ---- bitmaps ----
// Flag word of the bitmap draws: 0x0001 clip to the destination (the clip
// draws only), 0x0008 centre, 0x0010 stretch (0x0200 keep the height, 0x0400
// keep the width, 0x0600 fit), 0x0020 tile from the top-left (tiles reach
// past the destination unless clipped), 0x0040 transparent colour, 0x0080
// brush copy (Extra the TBitmap), 0x0100 masked (Extra the mask TCanvas,
// white transparent), 0x1000 realize the bitmap's palette.
// The palette flag counts unless the application object auto-realizes and
// the screen has fewer than 9 bits per pixel.
bool VyrPaletteRealizeAllowed();
void VyrBmpCreateFromRect(TBitmap* Bitmap, const TRect& Rect, TColor Color);
// A four-tone copy of Source (white, highlight, shadow, black around the
// average brightness); the colour of pixel (0, 0) stays transparent.
void VyrBmpCreateGrayscale(TBitmap* Dest, TBitmap* Source);
void VyrBmpCreateMasks(TBitmap* Source, TBitmap* Mask, TBitmap* Image, TColor TransparentColor);
// Mask: transparent pixels white, others black; Image: the area with the
// transparent pixels black. Both sized to Rect; Mask may be the bitmap of
// Canvas itself.
void VyrBmpCreateMasksExt(TCanvas* Canvas, const TRect& Rect, TBitmap* Mask, TColor TransparentColor, TBitmap* Image);
// The placed rectangle (the first tile's in tile mode), or Rect when it has
// no area; the empty rect for an empty Rect.
TRect VyrBmpDrawExt(TCanvas* Canvas, const TRect& Rect, TCanvas* SrcCanvas, const TRect& SrcRect, std::uint16_t Flags,
                    TColor Color, HPALETTE Palette, void* Extra);
TRect VyrBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, std::uint16_t Flags, TColor Color);
// ClipOffset moves the clip rectangle by its low and high word.
void VyrBmpClipDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, std::uint16_t Flags, int ClipOffset,
                    TColor Color);
void VyrBmpClipDrawExt(TCanvas* Canvas, const TRect& Rect, TCanvas* SrcCanvas, const TRect& SrcRect,
                       std::uint16_t Flags, int ClipOffset, TColor Color, void* Extra);
void VyrBmpStretchDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap);
// Back shows in Rect where Overlay has OverlayColor; where Overlay has other
// pixels Back is first painted with them, and BackColor stays transparent.
// Both bitmaps are changed: Overlay becomes its mask.
void VyrMaskBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Overlay, TBitmap* Back, TColor OverlayColor,
                    TColor BackColor);
// Dest filled with Glyph's transparent colour and the glyph embossed at
// (X, Y) in highlight and shadow.
void VyrBmpDrawDisabledState(TBitmap* Dest, TBitmap* Glyph, int X, int Y);
void VyrCopyBmpSize(TBitmap* Source, TBitmap* Dest);
void VyrIcon2Bitmap(TBitmap* Bitmap, TIcon* Icon, TColor BackColor);
void VyrBmpFromDesktop(TBitmap* Bitmap, const TRect& Rect);
// Destination AND the bitmap as a pattern: white takes the pattern.
void VyrFillPattern(HDC DC, const TRect& Rect, TBitmap* Bitmap);
// Tiles Bitmap over Rect, starting at Offset inside the bitmap; nothing for a
// negative offset.
void VyrFillTexture(HDC DC, const TRect& Rect, TBitmap* Bitmap, const TPoint& Offset);

// ---- device-independent file images ----
// ColorCount 0 the bitmap's own depth, 2, 16 or 256 colours; 16 and 32 bits
// are written as 24.
void InitBitmapInfoHeader(HBITMAP Bitmap, BITMAPINFOHEADER& Header, int ColorCount);
void GetDIBSizes(HBITMAP Bitmap, int& HeaderSize, int& ImageSize, int ColorCount);
// BitmapInfo must have room for the colour table.
bool GetDIBitsWithPalette(HBITMAP Bitmap, HPALETTE Palette, BITMAPINFO& BitmapInfo, int ColorCount, void* Bits);
// The whole file image; a zero handle raises Exception "Bitmap ist ungültig".
std::vector<std::uint8_t> BuildDIBFileImage(HBITMAP Bitmap, HPALETTE Palette, int ColorCount);
// With WithSize a 4-byte length goes first.
void WriteDIBFileImage(TStream* Stream, HBITMAP Bitmap, HPALETTE Palette, int ColorCount, bool WithSize);
// The file image without length (2 colours for a monochrome bitmap); the
// stream is left at position 0.
void VyrBmpSaveDIBStream(TStream* Stream, TBitmap* Bitmap, int ColorCount);
// Compressed: a compressed stream of the bitmap's own image (Colors -1) or
// of its DIB image. Plain: the DIB image with its length in front, or
// (Colors -1) a 4-byte length and the bitmap's own image. Reading checks the
// length against the stream; bad data raises EReadError or the picture
// reader's error.
void stWriteBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed, int Colors);
void stReadBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed);

// ---- gradients ----
// Colour lists hold plain RGB values in their pointer slots, index 0 the
// start colour.
void VyrGradientCreateColorList(TColor StartColor, TColor EndColor, std::uint8_t Count, TList* List);
HPALETTE VyrGradientCreatePalette(TList* List);
// Flags: 0x0001 clip to Rect (moved by ClipOffset), 0x0004 paint off-screen
// first, 0x1000 use the palette. Leaves the brush solid and the pen clear.
void VyrGradientPaintExt(TCanvas* Canvas, const TRect& Rect, TVyrGradientStyle Style, TList* List, HPALETTE Palette,
                         std::uint16_t Flags, int ClipOffset);
void VyrGradientPaint(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor, std::uint8_t ColorCount,
                      TVyrGradientStyle Style, std::uint16_t Flags, int ClipOffset);

// ======== text and layout ========

// A rect of Source's size placed in Target: left, centre or right column,
// top, centre or bottom row (centring truncates toward zero).
TRect VyrAlignRect(Vyrgraph::TVyrAlignment Alignment, const TRect& Source, const TRect& Target);

using Vyrgraph::TVyr3DCaption;
using Vyrgraph::TVyrDrawTextStyles;

// The room a caption's 3D copies take beyond the text: the light depth, the
// shadow depth or both, by style; 0 without a caption.
int Vyr3DExtraSize(const TVyr3DCaption* Caption);
// Text with DrawText flags Flags and the caption's 3D copies (a rotated Fx
// caption leaves its turned font on the canvas). dtClip clips to ClipRect,
// or Rect when nil, and puts back the caller's clip. Nothing for an empty
// text or rect.
void VyrDrawTextExt(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect, int Flags,
                    TVyrDrawTextStyles Styles, const TRect* ClipRect);
void VyrDrawText(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect,
                 std::uint16_t Flags);
// Rect becomes the text's extent with the 3D extra and 2 * (Border + 1) on
// the right and bottom; "" and (with ShowAccelChar) "&" measure as " ". A
// rotated caption gets the PosX, PosY that centre the turned text.
void VyrDrawTextCalcExt(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, TRect& Rect, TFont* Font,
                        bool MultiLine, bool ShowAccelChar, int Border, int Flags);
// The same on the screen.
void VyrDrawTextCalc(const AnsiString& Text, TVyr3DCaption* Caption, TRect& Rect, TFont* Font, bool MultiLine,
                     bool ShowAccelChar, int Border, int Flags);
int VyrGet3DTextWidth(const AnsiString& Text, TVyr3DCaption* Caption, TFont* Font);
int VyrGet3DTextHeight(TVyr3DCaption* Caption, TFont* Font);
// The height of "W"; 0 when measuring fails.
int VyrGetFontHeight(TFont* Font);
bool VyrIsTrueTypeFont(TFont* Font);
bool VyrIsTrueTypeFontCheck(TCanvas* Canvas);

using Vyrgraph::TVyrGlyphTextLayout;

// DrawText's alignment flags of a nine-way alignment.
int VyrAlignmentDrawTextFlags(Vyrgraph::TVyrAlignment Alignment);
// Text measured in Rect (one pixel narrower, no border) and aligned in it.
TRect VyrAlignTextRect(Vyrgraph::TVyrAlignment Alignment, const AnsiString& Text, TVyr3DCaption* Caption,
                       const TRect& Rect, TFont* Font, bool MultiLine, bool ShowAccelChar, int Flags);
// Lays out the glyph (GlyphRect of GlyphCanvas; none for a nil canvas or an
// empty rect) and the caption in Rect by Layout, and draws both (dtCalculate
// draws nothing). GlyphRect becomes the focus rectangle.
void VyrDrawTextAndGlyphExt(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect,
                            TCanvas* GlyphCanvas, TRect& GlyphRect, TCanvas* MaskCanvas, TColor TransparentColor,
                            TVyrGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar, bool Transparent,
                            TVyrDrawTextStyles Styles, int Flags);
// The same for a whole bitmap (none when nil or empty) and its mask.
void VyrDrawTextAndGlyph(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect,
                         TBitmap* Glyph, TBitmap* Mask, TVyrGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar,
                         bool Transparent, TVyrDrawTextStyles Styles, int Flags);

// ======== window helpers ========

// The divisors of N in ascending order; nothing for N below 2.
void VyrGetDivider(TStringList* List, int N);
// Lets messages flow until Ms have passed on the platform clock, sleeping
// in short slices when none are waiting.
void VyrWait(unsigned Ms);
// Centred on the screen, in its upper third when Upper; kept on screen.
void VyrCenterWindow(HWND Wnd, bool Upper);
void VyrCenterForm(TForm* Form);
// Child centred over Parent, kept on the screen; with Show its ShowModal
// result, else 0.
int VyrCenterChild(TForm* Parent, TForm* Child, bool Show);
void VyrCenterChildWindow(HWND Parent, HWND Child, bool Flag);
// The window placed in Target by Position (bpCustom as bpTopLeft); one
// that would leave the screen goes to Target's right or bottom edge, and
// never to a negative coordinate. Flag is not consulted.
void VyrPositionWindow(HWND Wnd, const TRect& Target, Vyrgraph::TVyrDlgPosition Position, bool Flag);
// The screen, its work area, or the window rect of the main or the active
// form (the screen when there is none).
TRect VyrDlgGetTargetRect(Vyrgraph::TVyrDlgPosRel Rel);
// A form of class Form made for Owner, shown modally and freed; its modal
// result.
template <class Form>
int VyrShowModal(TComponent* Owner) {
  Form* form = TObject::Create<Form>(Owner);
  TScopeGuard freeForm([form] { form->Free(); });
  return form->ShowModal();
}
// Control is Parent or lies inside it; false for nil.
bool VyrIsChild(TControl* Parent, TControl* Control);
// Brings the window of an earlier running instance forward; this platform
// sees no other process's windows, so it finds none.
void VyrActivatePrevInstance();

// Custom-colour lists: IniObject a TIniFile or a TRegIniFile, anything else
// is ignored. Loading replaces List by the section's lines; saving writes
// every "name=value" line.
void VyrLoadCustomColorList(TObject* IniObject, const AnsiString& Section, TStrings* List);
void VyrSaveCustomColorList(TObject* IniObject, const AnsiString& Section, TStrings* List);
void VyrLoadCustomColorFromIniFile(const AnsiString& FileName, const AnsiString& Section, TStrings* List);
void VyrSaveCustomColorToIniFile(const AnsiString& FileName, const AnsiString& Section, TStrings* List);
// "korvel.ini" in the Windows folder, section "Selbstdefinierte Farben".
AnsiString VyrKorvelIniFileName();
void VyrLoadKorvelCustomColor(TStrings* List);
void VyrSaveKorvelCustomColor(TStrings* List);

// The zoom of a form opening from a point (the cursor for X < 0): focus
// rectangles on the screen DC, two passes that cancel, Delay ms a frame.
void VyrExplodeFormExt(TForm* Form, int X, int Y, int Delay, int Steps);
void VyrExplodeForm(TForm* Form);
// From W0 x H0 to the window's size, after (FromPoint) a move halfway from
// the point.
void VyrExplodeFormExt2(TForm* Form, int X, int Y, bool FromPoint, int Delay, int W0, int H0, int Steps);
void VyrExplodeForm2(TForm* Form);
// The system menu of the form (or the application window) trimmed to
// Entries.
void VyrCheckFormSysMenu(TForm* Form, Vyrprocs::TVyrSysMenuEntries Entries);
void VyrCheckApplicationSysMenu(Vyrprocs::TVyrSysMenuEntries Entries);

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrutils", &Initialize, &Finalize};

}  // namespace Vyrutils
