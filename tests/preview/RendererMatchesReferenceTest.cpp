#include "preview/MatrixRenderer.h"
#include "preview/PreviewGeometry.h"

#include "RenderedImages.h"
#include "support/ReferenceMatrixRenderer.h"
#include "support/SignFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

enum class Sign { Startup, Largest, SmallOdd };

// A floating picture of width x height dots; for a placed picture at column col, row row of the sign,
// for a lifted region with its drag rectangle col, row pixels from the picture's origin.
struct Floating {
    bool on = false;
    int col = 0;
    int row = 0;
    int width = 0;
    int height = 0;
};

struct RenderCase {
    const char *name = "";
    Sign sign = Sign::Startup;
    int radius = 2;
    QSize control = {};
    int hScroll = 0;
    int vScroll = 0;
    Floating placed = {};
    Floating lifted = {};
};

std::unique_ptr<ProjectModel> BuildModel(const RenderCase &c)
{
    auto model = std::make_unique<ProjectModel>();
    switch (c.sign) {
    case Sign::Startup:
        ApplyStartupProject(*model);
        model->View.DotRadius = c.radius;
        break;
    case Sign::Largest:
        SetUpSign(*model, 1024, 256, 64, c.radius);
        break;
    case Sign::SmallOdd:
        SetUpSign(*model, 37, 13, 10, c.radius);
        break;
    }
    UpdateViewSize(*model, c.control);
    LightScatteredDots(*model);
    FillFloatingPicture(*model, std::max(c.placed.width, c.lifted.width),
                        std::max(c.placed.height, c.lifted.height));

    ToolState &tools = model->Tools;
    tools.PlaceMode = c.placed.on;
    tools.PlaceCol = c.placed.col;
    tools.PlaceRow = c.placed.row;
    tools.RegionFloat = c.lifted.on;
    // The drag rectangle is in control pixels, so it is set where the view will be placed.
    PlaceView(*model, c.control, c.hScroll, c.vScroll);
    tools.DragRect.Left = model->View.ViewLeft + c.lifted.col;
    tools.DragRect.Top = model->View.ViewTop + c.lifted.row;
    tools.RegionWidth = c.lifted.width;
    tools.RegionHeight = c.lifted.height;
    return model;
}

const QSize Preview(996, 274);
const QSize FullHd(1920, 1080);

// Centred and scrolled pictures, the grid from radius 3, overlays hanging over every edge of the sign.
// Name, sign, radius, control, scroll bars, placed picture, lifted region.
// clang-format off
const RenderCase Cases[] = {
    {"start-up sign centred", Sign::Startup, 2, Preview, 0, 0, {}, {}},
    {"start-up sign, radius 1", Sign::Startup, 1, QSize(200, 30), 13, 4, {}, {}},
    {"start-up sign with grid, placing over the right edge", Sign::Startup, 3, Preview, 700, 0,
     {true, 185, 20, 16, 9}, {}},
    {"start-up sign scrolled, radius 6, region over the bottom", Sign::Startup, 6, Preview, 1333, 73, {},
     {true, 15 * 120 + 4, 15 * 20 + 9, 12, 11}},
    {"start-up sign at radius 20, scrolled to the end", Sign::Startup, 20, Preview, 43 * 192 - 996 + 2,
     43 * 24 - 274 + 2, {}, {}},
    {"largest sign at the origin", Sign::Largest, 2, Preview, 0, 0, {}, {}},
    {"largest sign, radius 1, scrolled", Sign::Largest, 1, Preview, 1003, 301, {}, {}},
    {"largest sign with grid in full HD, placing above-left", Sign::Largest, 3, FullHd, 2000, 900,
     {true, -4, -2, 300, 200}, {}},
    {"largest sign, radius 6, scrolled to the end", Sign::Largest, 6, Preview, 15 * 1024 - 996 + 2,
     15 * 256 - 274 + 2, {}, {}},
    // Every pitch laid out, from every place in a cell and on lines that start anywhere in a cache line.
    {"largest sign, radius 4, odd control, scrolled", Sign::Largest, 4, QSize(1001, 301), 4001, 37, {}, {}},
    {"start-up sign, radius 5, odd control, scrolled", Sign::Startup, 5, QSize(1003, 299), 517, 21, {}, {}},
    {"small odd sign centred, region left of and above it", Sign::SmallOdd, 2, Preview, 0, 0,
     {true, 30, 8, 20, 10}, {true, -13, -7, 9, 6}},
    {"small odd sign with grid, region over the right edge", Sign::SmallOdd, 6, Preview, 0, 0, {},
     {true, 15 * 33, 15 * 4, 8, 12}},
    {"small odd sign, radius 20, scrolled", Sign::SmallOdd, 20, Preview, 401, 103, {true, 36, 12, 5, 5},
     {true, 43 * 30 + 20, 43 * 9, 10, 10}},
    // Dots 2200 pixels across, read from more than one probe strip; the control shows the bottom of lit
    // dot (0, 0) and the top of dark dot (0, 1).
    {"small odd sign, dots larger than the control", Sign::SmallOdd, 1100, Preview, 802, 2100, {}, {}},
};
// clang-format on

void ExpectSamePicture(const RenderCase &c, ProjectModel &fastModel, ProjectModel &referenceModel)
{
    QImage fast(c.control, QImage::Format_RGB32);
    QImage reference(c.control, QImage::Format_RGB32);
    DrawMatrix(fast, fastModel, c.hScroll, c.vScroll);
    ReferenceDrawMatrix(reference, referenceModel, c.hScroll, c.vScroll);
    EXPECT_TRUE(SamePixels(fast, reference));
}

TEST(MatrixRenderer, MatchesTheReferencePixelForPixel)
{
    for (const RenderCase &c : Cases) {
        SCOPED_TRACE(c.name);
        ExpectSamePicture(c, *BuildModel(c), *BuildModel(c));
    }
}

// Rows with the same lit dots share their picture lines only while their dark dots' colours agree too:
// a whole row in another colour, and a row with one dot in another colour.
TEST(MatrixRenderer, RowsAreAlikeOnlyWhenEveryDotLooksTheSame)
{
    const RenderCase c = {"largest sign, rows recoloured", Sign::Largest, 2, Preview, 0, 0, {}, {}};
    auto fastModel = BuildModel(c);
    auto referenceModel = BuildModel(c);
    for (ProjectModel *model : {fastModel.get(), referenceModel.get()}) {
        for (int x = 0; x < model->WidthDot; ++x) {
            model->setDotColor(x, 7, 0x123456);
        }
        model->setDotColor(40, 12, 0x654321);
    }
    ExpectSamePicture(c, *fastModel, *referenceModel);
}

} // namespace
