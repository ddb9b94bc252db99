#pragma once

#include <QIcon>

// The clock's window icon at each of its pixel sizes, drawn from resources/vintrel-clock.svg
// by scripts/render-icons.cpp and kept as raw RGBA bytes: decoding an image file would
// first have Qt look through every image-format plugin, at every start.
QIcon windowIcon();
