// The component library's resource-string ids. The texts live in the
// runtime's one string table and are read with LoadStr(id).
#pragma once
#include "unitstartup.h"

namespace Vyrconst {

// System-information captions and the program's version items.
constexpr int IDS_TEMPPATH = 65216;
constexpr int IDS_DOSVERSION = 65217;
constexpr int IDS_NUMLOCK = 65218;
constexpr int IDS_CAPSLOCK = 65219;
constexpr int IDS_SCROLL = 65220;
constexpr int IDS_DATETIME = 65221;
constexpr int IDS_COMPANYNAME = 65222;
constexpr int IDS_PRODUCTNAME = 65223;
constexpr int IDS_PRODUCTVERSION = 65224;
constexpr int IDS_LEGALCOPYRIGHT = 65225;
constexpr int IDS_TRADEMARK = 65226;
constexpr int IDS_FILEDESCRIPTION = 65227;
constexpr int IDS_COMMENTS = 65228;

constexpr int IDS_FREESYSTEMRESOURCES = 65232;
constexpr int IDS_FREEGDIRES = 65233;
constexpr int IDS_FREEUSERRES = 65234;
constexpr int IDS_COMPUTERNAME = 65235;
constexpr int IDS_MAJORVERSION = 65236;
constexpr int IDS_BUILD = 65237;
constexpr int IDS_MEMORYLOADED = 65238;
constexpr int IDS_MEMORYFREE = 65239;
constexpr int IDS_MEMORYFREEPAGES = 65240;
constexpr int IDS_MEMORYTOTALPAGES = 65241;
constexpr int IDS_MEMORYVIRTUALFREE = 65242;
constexpr int IDS_MEMORYVIRTUALTOTAL = 65243;
constexpr int IDS_PLATFORMID = 65244;
constexpr int IDS_PLATFORM = 65245;
constexpr int IDS_PROCESSORNUMBER = 65246;
constexpr int IDS_PROCESSOR = 65247;

// Drive types and further captions.
constexpr int IDS_FIXEDDRIVE = 65248;
constexpr int IDS_REMOTE = 65249;
constexpr int IDS_CDROM = 65250;
constexpr int IDS_RAMDISK = 65251;
constexpr int IDS_USERNAME = 65252;
constexpr int IDS_WINDOWSDIR = 65253;
constexpr int IDS_CURRDIR = 65254;
constexpr int IDS_FREESPACE = 65255;
constexpr int IDS_DISKSIZE = 65256;
constexpr int IDS_SYSTEMDIR = 65257;
constexpr int IDS_REGISTEREDOWNER = 65258;
constexpr int IDS_REGISTEREDCOMPANY = 65259;
constexpr int IDS_VERSION = 65260;
constexpr int IDS_COLORDEPTH = 65261;
constexpr int IDS_SCREENSAVERDELAY = 65262;
constexpr int IDS_MEMORYSIZE = 65263;

// Dialog texts.
constexpr int IDS_FREE = 65264;
constexpr int IDS_DIRCAPTION = 65265;
constexpr int IDS_DIRDRIVE = 65266;
constexpr int IDS_DIRPATH = 65267;
constexpr int IDS_NEWPATH = 65268;
constexpr int IDS_TIPERROR = 65269;
constexpr int IDS_SHOWATSTART = 65270;
constexpr int IDS_TIPNEXT = 65271;
constexpr int IDS_TIPPREV = 65272;
constexpr int IDS_WLCAPTION = 65273;
constexpr int IDS_WLDESC = 65274;
constexpr int IDS_CALCAPTION = 65275;
constexpr int IDS_ACTUALDATE = 65276;
constexpr int IDS_FILE = 65277;
constexpr int IDS_NOROOTDIR = 65278;
constexpr int IDS_REMOVABLE = 65279;

// Wizard buttons and list commands.
constexpr int IDS_NEXT = 65280;
constexpr int IDS_BACK = 65281;
constexpr int IDS_FINISH = 65282;
constexpr int IDS_HELP = 65283;
constexpr int IDS_CLOSE = 65284;
constexpr int IDS_CANCEL = 65285;
constexpr int IDS_PROPERTYNOTUSED = 65286;
constexpr int IDS_CLEARLIST = 65287;
constexpr int IDS_CLEARLISTHINT = 65288;
constexpr int IDS_CLEARLISTREQUEST = 65289;
constexpr int IDS_ALREADYSTARTED = 65290;

// Editing commands and the library's error messages.
constexpr int IDS_RENITEM = 65296;
constexpr int IDS_SMALLICONS = 65297;
constexpr int IDS_LARGEICONS = 65298;
constexpr int IDS_INSERT = 65299;
constexpr int IDS_COPY = 65300;
constexpr int IDS_CUT = 65301;
constexpr int IDS_UNDO = 65302;
constexpr int IDS_SELECTALL = 65303;
constexpr int IDS_DELETE = 65304;
constexpr int IDS_SEARCH = 65305;
constexpr int IDS_SEARCHMSG1 = 65306;
constexpr int IDS_SEARCHMSG2 = 65307;
constexpr int IDS_REPLACE = 65308;
constexpr int IDS_MUSTSHOWONE = 65309;
constexpr int IDS_INVALIDOWNER = 65310;
constexpr int IDS_INTERVALNOTFIT = 65311;
// The separator of the font, point and rectangle texts ("," by default).
constexpr int IDS_DEFAULTDELIMITER = 65312;

// Ini-editor commands.
constexpr int IDS_PATH = 65320;
constexpr int IDS_ON = 65321;
constexpr int IDS_OFF = 65322;
constexpr int IDS_ADDSECTION = 65323;
constexpr int IDS_DELSECTION = 65324;
constexpr int IDS_RENSECTION = 65325;
constexpr int IDS_ADDITEM = 65326;
constexpr int IDS_DELITEM = 65327;

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrconst", &Initialize, &Finalize};

}  // namespace Vyrconst
