// The game's picture scaled into a window of any size: aspect kept, centred, bars black.
#include <gtest/gtest.h>

#include "platform/letterbox.h"

TEST(Letterbox, FitsThePictureWithItsAspectKept) {
    struct Case {
        int windowW, windowH, pictureW, pictureH;
        ViewRect expected;
    };
    const Case cases[] = {
        {800, 600, 800, 600, {0, 0, 800, 600}},         // the picture's own size
        {1600, 1200, 800, 600, {0, 0, 1600, 1200}},     // twice as large, same aspect
        {400, 300, 800, 600, {0, 0, 400, 300}},         // smaller
        {1920, 1080, 800, 600, {240, 0, 1440, 1080}},   // wide: bars left and right
        {1280, 1024, 800, 600, {0, 32, 1280, 960}},     // tall: bars top and bottom
        {1280, 1024, 1280, 1024, {0, 0, 1280, 1024}},   // 5:4 on 5:4
        {1920, 1080, 1280, 1024, {285, 0, 1350, 1080}}, // 5:4 on 16:9
        {1366, 768, 640, 480, {171, 0, 1024, 768}},     // odd bar split
        {801, 600, 800, 600, {0, 0, 800, 600}},         // one spare column: no scaling up
        {800, 601, 800, 600, {0, 0, 800, 600}},         // the odd pixel goes to the top
        {1000, 751, 800, 600, {0, 0, 1000, 750}},
        {1001, 100, 800, 600, {434, 0, 133, 100}}, // 133.33 rounds down
        {1, 1000, 800, 600, {0, 499, 1, 1}},       // a sliver still shows a pixel
        {0, 600, 800, 600, {}},                    // no area
        {800, 600, 0, 600, {}},
    };
    for (const Case& c : cases) {
        const ViewRect r = letterbox(c.windowW, c.windowH, c.pictureW, c.pictureH);
        EXPECT_EQ(r, c.expected) << c.windowW << "x" << c.windowH << " showing " << c.pictureW
                                 << "x" << c.pictureH << ": got " << r.x << "," << r.y << " "
                                 << r.width << "x" << r.height;
    }
}
