#include "printers.h"

#include <gtest/gtest.h>

#include "dc.h"
#include "fontenum.h"
#include "headless_host_helper.h"

TEST(PrinterTest, NoPrintersButADeviceContextForFonts) {
  InstallHeadlessHost();
  TPrinter* printer = Printer();
  EXPECT_EQ(printer->GetPrinters()->GetCount(), 0);
  EXPECT_EQ(printer->GetPrinterIndex(), -1);
  HDC dc = printer->GetHandle();
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(printer->GetHandle(), dc);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  int faces = 0;
  EnumFonts(
      dc, nullptr,
      [](const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM data) -> int {
        ++*reinterpret_cast<int*>(data);
        return 1;
      },
      reinterpret_cast<LPARAM>(&faces));
  EXPECT_GT(faces, 0);
  FreePrinter();
  EXPECT_NE(Printer(), nullptr);  // made anew on demand
  FreePrinter();
}
