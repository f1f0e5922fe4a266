// A picture on a component streams as "Picture.Data" and reads back whole.
#include <gtest/gtest.h>

#include "bitmap_class.h"
#include "canvas.h"
#include "component.h"
#include "formres.h"
#include "picture.h"
#include "published.h"
#include "streams.h"

namespace {

class TPictureHolder : public TComponent {
  MORVANT_COMPONENT(TPictureHolder, TComponent)
 public:
  explicit TPictureHolder(TComponent* AOwner) : TComponent(AOwner) {}
  TPicture* GetPicture() const { return &picture_; }

 private:
  mutable TPicture picture_;
};

void TPictureHolder::Publish(TPublisher<TPictureHolder>& P) { P.Object("Picture", &TPictureHolder::GetPicture); }

}  // namespace

TEST(PictureStreaming, DataRoundTripsThroughAComponentStream) {
  TPictureHolder source(nullptr);
  TBitmap bitmap;
  bitmap.SetWidth(3);
  bitmap.SetHeight(2);
  bitmap.GetCanvas()->SetPixels(2, 1, 0x00123456);
  source.GetPicture()->SetBitmap(&bitmap);

  TMemoryStream stream;
  WriteComponentToStream(&stream, &source);
  stream.SetPosition(0);
  TPictureHolder copy(nullptr);
  ReadComponentFromStream(&stream, &copy);

  ASSERT_EQ(copy.GetPicture()->GetWidth(), 3);
  EXPECT_EQ(copy.GetPicture()->GetHeight(), 2);
  EXPECT_EQ(copy.GetPicture()->GetBitmap()->GetCanvas()->GetPixels(2, 1), 0x00123456);

  // An empty picture writes no Data and reads back empty.
  TPictureHolder empty(nullptr);
  TMemoryStream emptyStream;
  WriteComponentToStream(&emptyStream, &empty);
  emptyStream.SetPosition(0);
  TPictureHolder emptyCopy(nullptr);
  ReadComponentFromStream(&emptyStream, &emptyCopy);
  EXPECT_EQ(emptyCopy.GetPicture()->GetGraphic(), nullptr);
}
