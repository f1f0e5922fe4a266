// Every string-table entry of the program, in ascending id order (checked at
// compile time, since LoadStr searches by halves).
#include "resourcestrings_table.h"

#include <array>

namespace {

constexpr std::array kTable = std::to_array<ResourceStringEntry>({
    // The component library: system-information captions and program version items.
    {65216, "Temp path"},
    {65217, "DOS version"},
    {65218, "NumLock"},
    {65219, "CapsLock"},
    {65220, "ScrollLock"},
    {65221, "Date and time"},
    {65222, "CompanyName"},
    {65223, "ProductName"},
    {65224, "ProductVersion"},
    {65225, "LegalCopyright"},
    {65226, "LegalTrademark"},
    {65227, "FileDescription"},
    {65228, "Comments"},
    {65232, "Free system resources"},
    {65233, "Free GDI resources"},
    {65234, "Free user resources"},
    {65235, "Computername"},
    {65236, "Major version"},
    {65237, "Build"},
    {65238, "Memory loaded"},
    {65239, "Memory free"},
    {65240, "Free memory pages"},
    {65241, "Total memory pages"},
    {65242, "Free virtual memory"},
    {65243, "Total virtual memory"},
    {65244, "Platform ID"},
    {65245, "Platform"},
    {65246, "Number of processors"},
    {65247, "Processor"},
    // Drive types and further captions.
    {65248, "fixed drive"},
    {65249, "remote (network) drive"},
    {65250, "CD-ROM"},
    {65251, "ramdisk"},
    {65252, "Username"},
    {65253, "Windows directory"},
    {65254, "Current directory"},
    {65255, "Free space on current disk"},
    {65256, "Disk size of current Disk"},
    {65257, "System directory"},
    {65258, "Registered owner"},
    {65259, "Registered company"},
    {65260, "Version"},
    {65261, "Colordepth (in bits)"},
    {65262, "Screensaver delay"},
    {65263, "Memory size"},
    // Dialog texts.
    {65264, "free"},
    {65265, "Select Path..."},
    {65266, "&Drive:"},
    {65267, "&Path:"},
    {65268, "&New Folder"},
    {65269, "No Tips available - Dialog will not be displayed..."},
    {65270, "Show tips at every start"},
    {65271, "&Next Tip"},
    {65272, "&Previous Tip"},
    {65273, "Windowlist..."},
    {65274, "Available &Windows:"},
    {65275, "Calendar..."},
    {65276, "Current date"},
    {65277, "Files"},
    {65278, "no root directory"},
    {65279, "removable"},
    // Wizard buttons and list commands.
    {65280, "Ne&xt >"},
    {65281, "< &Back"},
    {65282, "&Finish"},
    {65283, "&Help"},
    {65284, "&Close"},
    {65285, "Cancel"},
    {65286, "This property is obsolete and no longer used"},
    {65287, "Clear List..."},
    {65288, "Clear recent files list"},
    {65289, "Really clear recent files list?"},
    {65290, "was already started..."},
    // Editing commands and the library's error messages.
    {65296, "&Rename Item"},
    {65297, "&Small icons"},
    {65298, "&Large icons"},
    {65299, "&Insert"},
    {65300, "&Copy"},
    {65301, "&Cut"},
    {65302, "&Undo"},
    {65303, "Select all"},
    {65304, "&Delete"},
    {65305, "Search"},
    {65306, "At top ... restart from bottom?"},
    {65307, "At bottom ... restart from top?"},
    {65308, "Replace"},
    {65309, "One clock style must be active!"},
    {65310, "Invalid owner (<>TForm) or second instance on a form"},
    {65311, "Interval not compatible with MinInterval property!"},
    // The separator of the library's font, point and rectangle texts.
    {65312, ","},
    // Ini-editor commands.
    {65320, "Path:"},
    {65321, "ON"},
    {65322, "OFF"},
    {65323, "Add Sect&ion"},
    {65324, "D&elete Section"},
    {65325, "Re&name Section"},
    {65326, "&Add Item"},
    {65327, "&Delete Item"},

    // The class library, German edition.
    {65426, "(Unbekannt)"},
    {65433, "Selbstdefinierte Farben"},
    {65440, "Farbe"},
    {65441, "ABCDEFGHIJKLMNOP"},
    {65442, "'%s' ist kein gültiger Integerwert"},
    {65443, "'%s' ist kein gültiger Gleitkommawert"},
    {65444, "Format '%s' ungültig oder nicht kompatibel mit Argument"},
    {65445, "Kein Argument für Format '%s'"},
    {65446, "Datei %s kann nicht erstellt werden"},
    {65447, "%s kann nicht zu %s zugewiesen werden"},
    {65448, "Stream-Lesefehler"},
    {65449, "Stream-Schreibfehler"},
    {65450, "Ungültige Gleitkommaoperation"},
    {65474, "Nicht genügend Timer verfügbar"},
    {65489, "Ungültige Bildgröße"},
    {65490, "Zu viele Bilder"},
    {65514, "Bitmap ist ungültig"},
    {65522, "Datei %s kann nicht geöffnet werden"},
    {65530, "Der Index der Liste überschreitet das Maximum (%d)"},
});

constexpr bool StrictlyAscending() {
  for (std::size_t i = 1; i < kTable.size(); ++i)
    if (kTable[i - 1].Id >= kTable[i].Id) return false;
  return true;
}
static_assert(StrictlyAscending(), "string table ids must ascend without repeats");

}  // namespace

std::span<const ResourceStringEntry> ResourceStringTable() { return kTable; }
