#include "RenderedImages.h"

#include <QString>

#include <optional>

testing::AssertionResult SamePixels(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size()) {
        return testing::AssertionFailure() << "sizes differ";
    }
    if (actual == expected) {
        return testing::AssertionSuccess();
    }
    long differing = 0;
    std::optional<QPoint> first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                ++differing;
                first = first.value_or(QPoint(x, y));
            }
        }
    }
    return testing::AssertionFailure()
           << differing << " pixels differ, first at (" << first->x() << ", " << first->y()
           << "): " << QString::number(actual.pixel(*first), 16).toStdString() << " instead of "
           << QString::number(expected.pixel(*first), 16).toStdString();
}
