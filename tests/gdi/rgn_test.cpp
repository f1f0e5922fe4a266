#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dc.h"
#include "rgn.h"

namespace {

// Owns an HRGN for the length of a test.
struct Rgn {
  HRGN h;
  explicit Rgn(HRGN handle) : h(handle) {}
  ~Rgn() { DeleteObject(h); }
  operator HRGN() const { return h; }
};

std::vector<BYTE> DataOf(HRGN rgn) {
  std::vector<BYTE> bytes(GetRegionData(rgn, 0, nullptr));
  EXPECT_EQ(GetRegionData(rgn, static_cast<DWORD>(bytes.size()), reinterpret_cast<RGNDATA*>(bytes.data())),
            bytes.size());
  return bytes;
}

TEST(RgnApi, CombineRgnResultTypes) {
  struct Case {
    int mode;
    RECT b;
    int result;
    RECT box;
  };
  const Case cases[] = {
      {RGN_AND, {{5}, {5}, {15}, {15}}, SIMPLEREGION, {{5}, {5}, {10}, {10}}},
      {RGN_AND, {{20}, {20}, {30}, {30}}, NULLREGION, {{0}, {0}, {0}, {0}}},
      {RGN_OR, {{5}, {5}, {15}, {15}}, COMPLEXREGION, {{0}, {0}, {15}, {15}}},
      {RGN_OR, {{10}, {0}, {20}, {10}}, SIMPLEREGION, {{0}, {0}, {20}, {10}}},
      {RGN_XOR, {{0}, {0}, {10}, {10}}, NULLREGION, {{0}, {0}, {0}, {0}}},
      {RGN_DIFF, {{2}, {2}, {4}, {4}}, COMPLEXREGION, {{0}, {0}, {10}, {10}}},
      {RGN_DIFF, {{5}, {-1}, {11}, {11}}, SIMPLEREGION, {{0}, {0}, {5}, {10}}},
      {RGN_COPY, {{50}, {50}, {60}, {60}}, SIMPLEREGION, {{0}, {0}, {10}, {10}}},
  };
  for (const Case& c : cases) {
    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgnIndirect(&c.b)), dst(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(dst, a, b, c.mode), c.result) << c.mode;
    RECT box;
    EXPECT_EQ(GetRgnBox(dst, &box), c.result);
    EXPECT_EQ(TRect(box), TRect(c.box)) << c.mode;
  }
  // The destination may be an operand; bad handles and modes fail.
  Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(5, 0, 15, 10));
  EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);
  EXPECT_EQ(CombineRgn(a, a, b, 9), ERROR);
  EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_AND), ERROR);
  EXPECT_EQ(CombineRgn(a, reinterpret_cast<HRGN>(GetStockObject(BLACK_PEN)), b, RGN_AND), ERROR);
}

TEST(RgnApi, FiguresQueriesAndOffset) {
  Rgn round(CreateRoundRectRgn(10, 10, 30, 20, 8, 8));
  EXPECT_TRUE(PtInRegion(round, 20, 10));
  EXPECT_FALSE(PtInRegion(round, 10, 10));  // the corner is cut away
  EXPECT_TRUE(PtInRegion(round, 10, 15));
  EXPECT_FALSE(PtInRegion(round, 30, 15));  // right edge exclusive
  const RECT corner{{10}, {10}, {11}, {11}}, middle{{15}, {12}, {40}, {13}};
  EXPECT_FALSE(RectInRegion(round, &corner));
  EXPECT_TRUE(RectInRegion(round, &middle));
  EXPECT_EQ(OffsetRgn(round, -10, 5), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(round, 10, 20));
  Rgn ellipse(CreateEllipticRgn(20, 20, 0, 0));  // normalised
  Rgn sameEllipse(CreateEllipticRgnIndirect(std::vector<RECT>{{{0}, {0}, {20}, {20}}}.data()));
  EXPECT_TRUE(EqualRgn(ellipse, sameEllipse));
  EXPECT_TRUE(SetRectRgn(sameEllipse, 0, 0, 20, 20));
  EXPECT_FALSE(EqualRgn(ellipse, sameEllipse));
  RECT box;
  EXPECT_EQ(GetRgnBox(ellipse, &box), COMPLEXREGION);
  EXPECT_EQ(TRect(box), TRect(0, 0, 20, 20));
}

TEST(RgnApi, PolygonRegionFillModes) {
  // A pentagram: its middle is inside under WINDING only.
  const POINT star[] = {{{10}, {0}}, {{16}, {19}}, {{0}, {7}}, {{20}, {7}}, {{4}, {19}}};
  Rgn alternate(CreatePolygonRgn(star, 5, ALTERNATE)), winding(CreatePolygonRgn(star, 5, WINDING));
  EXPECT_FALSE(PtInRegion(alternate, 10, 10));
  EXPECT_TRUE(PtInRegion(winding, 10, 10));
  EXPECT_TRUE(PtInRegion(alternate, 10, 3));
  EXPECT_EQ(CreatePolygonRgn(star, 5, 7), nullptr);
  Rgn twoPoints(CreatePolygonRgn(star, 2, ALTERNATE));
  RECT box;
  EXPECT_EQ(GetRgnBox(twoPoints, &box), NULLREGION);
}

TEST(RgnApi, RegionDataRoundTripsExactly) {
  Rgn shape(CreateEllipticRgn(3, 4, 40, 30));
  const std::vector<BYTE> bytes = DataOf(shape);
  RGNDATAHEADER header;
  std::memcpy(&header, bytes.data(), sizeof header);
  EXPECT_EQ(header.dwSize, 32u);
  EXPECT_EQ(header.iType, RDH_RECTANGLES);
  EXPECT_EQ(bytes.size(), 32u + 16u * header.nCount);
  EXPECT_EQ(header.nRgnSize, 16u * header.nCount);
  EXPECT_EQ(TRect(header.rcBound), TRect(3, 4, 40, 30));
  // A short buffer gets the size, not a partial copy.
  EXPECT_EQ(GetRegionData(shape, 10, reinterpret_cast<RGNDATA*>(std::vector<BYTE>(10).data())), bytes.size());
  Rgn back(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()), reinterpret_cast<const RGNDATA*>(bytes.data())));
  ASSERT_NE(back.h, nullptr);
  EXPECT_TRUE(EqualRgn(shape, back));
  EXPECT_EQ(DataOf(back), bytes);
  const XFORM identity;
  XFORM scale;
  scale.eM11 = 2;
  Rgn viaIdentity(ExtCreateRegion(&identity, static_cast<DWORD>(bytes.size()), reinterpret_cast<const RGNDATA*>(bytes.data())));
  EXPECT_NE(viaIdentity.h, nullptr);
  EXPECT_EQ(ExtCreateRegion(&scale, static_cast<DWORD>(bytes.size()), reinterpret_cast<const RGNDATA*>(bytes.data())),
            nullptr);
}

TEST(RgnApi, ExtCreateRegionRejectsBadBytes) {
  Rgn shape(CreateRectRgn(1, 2, 3, 4));
  const std::vector<BYTE> good = DataOf(shape);
  const auto create = [](const std::vector<BYTE>& d, std::size_t size) {
    return ExtCreateRegion(nullptr, static_cast<DWORD>(size), reinterpret_cast<const RGNDATA*>(d.data()));
  };
  EXPECT_EQ(create(good, good.size() - 1), nullptr);  // the rectangle is cut short
  EXPECT_EQ(create(good, 31), nullptr);
  EXPECT_EQ(ExtCreateRegion(nullptr, 64, nullptr), nullptr);
  std::vector<BYTE> bad = good;
  bad[8] = 0xFF, bad[9] = 0xFF, bad[10] = 0xFF, bad[11] = 0x0F;  // a count far beyond the bytes
  EXPECT_EQ(create(bad, bad.size()), nullptr);
  bad = good;
  bad[32] = 7;  // left beyond right
  EXPECT_EQ(create(bad, bad.size()), nullptr);
  // Empty rectangles and an unbanded order are accepted and normalised.
  std::vector<BYTE> two(32 + 32);
  const RECT rects[] = {{{5}, {5}, {9}, {9}}, {{0}, {0}, {0}, {3}}};
  RGNDATAHEADER header;
  header.dwSize = 32, header.iType = RDH_RECTANGLES, header.nCount = 2;
  std::memcpy(two.data(), &header, 32);
  std::memcpy(two.data() + 32, rects, 32);
  Rgn made(create(two, two.size()));
  ASSERT_NE(made.h, nullptr);
  RECT box;
  EXPECT_EQ(GetRgnBox(made, &box), SIMPLEREGION);
  EXPECT_EQ(TRect(box), TRect(5, 5, 9, 9));
}

}  // namespace
