#pragma once

#include <QImage>

#include <gtest/gtest.h>

// Succeeds when both pictures have the same size and pixels; otherwise names the first differing pixel
// and how many differ.
testing::AssertionResult SamePixels(const QImage &actual, const QImage &expected);
