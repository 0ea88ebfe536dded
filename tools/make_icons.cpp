// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon, a hand-held radio, at 32×32 and 16×16 pixels in the sixteen
// standard VGA colours, and writes the two PNG files that ui/framework/icons.qrc embeds. It also
// writes the larger renditions the desktop menu asks for (48, 64, 128 and 256 pixels): each is one of
// the two drawings with every pixel repeated as a square block, so the menu shows the same
// picture as the window, only bigger, never a redrawn or smoothed one.
// Usage: zentor-make-icons OUTPUT_DIRECTORY

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct PaletteEntry {
  char symbol;
  QRgb colour;
};

// '.' is transparent; the letters name VGA colours.
const PaletteEntry PALETTE[] = {
    {'.', qRgba(0, 0, 0, 0)},       {'K', qRgb(0, 0, 0)},       {'D', qRgb(128, 128, 128)},
    {'L', qRgb(192, 192, 192)},     {'W', qRgb(255, 255, 255)}, {'C', qRgb(0, 255, 255)},
    {'B', qRgb(0, 0, 128)},         {'R', qRgb(255, 0, 0)},     {'G', qRgb(0, 255, 0)},
};

const char *const LARGE[] = {
    "........KK......................",
    ".......KDDK.....................",
    "........KK......................",
    "........KK......................",
    "........KK......................",
    "........KK......................",
    "........KK.........KKKK.........",
    "........KK.........KDDK.........",
    "........KK...KK....KDDK.........",
    "........KK...KRK...KDDK.........",
    "......KKKKKKKKKKKKKKKKKKKK......",
    "......KDDDDDDDDDDDDDDDDDDK......",
    "......KDLLLLLLLLLLLLLLLLDK......",
    "......KDLKKKKKKKKKKKKKKLDK......",
    ".....KKDLKCCCCCCCCCCCCKLDK......",
    ".....KDDLKCBBCBBCCBBCCKLDK......",
    ".....KDDLKCBBCBBCCBBCCKLDK......",
    ".....KDDLKCCCCCCCCCCCCKLDK......",
    ".....KDDLKKKKKKKKKKKKKKLDK......",
    ".....KKDLLLLLLLLLLLLLLLLDK......",
    "......KDLKKKKKKKKKKKKKKLDK......",
    "......KDLLLLLLLLLLLLLLLLDK......",
    "......KDLKKKKKKKKKKKKKKLDK......",
    "......KDLLLLLLLLLLLLLLLLDK......",
    "......KDLKKKKKKKKKKKKKKLDK......",
    "......KDLLLLLLLLLLLLLLLLDK......",
    "......KDLKKKKKKKKKKKKKKLDK......",
    "......KDLLLLLLLLLLLLLLLLDK......",
    "......KDLLLLLLLGLLLLLLLLDK......",
    "......KDDDDDDDDDDDDDDDDDDK......",
    ".......KKKKKKKKKKKKKKKKKK.......",
    "................................",
};

const char *const SMALL[] = {
    "....K...........",
    "...KDK..........",
    "....K...........",
    "....K....KK.....",
    "..KKKKKKKKKKKK..",
    "..KDDDDDDDDDDK..",
    "..KDKKKKKKKKDK..",
    "..KDKCCCCCCKDK..",
    "..KDKCBCBCCKDK..",
    "..KDKKKKKKKKDK..",
    "..KDLLLLLLLLDK..",
    "..KDKKKKKKKKDK..",
    "..KDLLLLLLLLDK..",
    "..KDKKKKKKKKDK..",
    "..KDDDDDDDDDDK..",
    "...KKKKKKKKKK...",
};

int PaletteIndex(char symbol) {
  for (std::size_t i = 0; i < sizeof PALETTE / sizeof PALETTE[0]; ++i) {
    if (PALETTE[i].symbol == symbol) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// A drawing, the size it is drawn at, and how many output pixels each of its pixels becomes.
struct Rendition {
  const char *const *rows;
  int size;
  int scale;
};

const Rendition RENDITIONS[] = {
    {SMALL, 16, 1}, {LARGE, 32, 1}, {SMALL, 16, 3}, {LARGE, 32, 2}, {LARGE, 32, 4}, {LARGE, 32, 8},
};

bool WriteIcon(const Rendition &rendition, const QString &path) {
  const int size = rendition.size;
  const char *const *rows = rendition.rows;
  const int outputSize = size * rendition.scale;
  QImage image(outputSize, outputSize, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (const PaletteEntry &entry : PALETTE) {
    colours.append(entry.colour);
  }
  image.setColorTable(colours);
  for (int y = 0; y < size; ++y) {
    if (static_cast<int>(std::strlen(rows[y])) != size) {
      std::fprintf(stderr, "row %d of the %d-pixel icon is not %d wide\n", y, size, size);
      return false;
    }
    for (int x = 0; x < size; ++x) {
      const int index = PaletteIndex(rows[y][x]);
      if (index < 0) {
        std::fprintf(stderr, "unknown colour '%c' in the %d-pixel icon\n", rows[y][x], size);
        return false;
      }
      for (int dy = 0; dy < rendition.scale; ++dy) {
        for (int dx = 0; dx < rendition.scale; ++dx) {
          image.setPixel(x * rendition.scale + dx, y * rendition.scale + dy,
                         static_cast<unsigned>(index));
        }
      }
    }
  }
  return image.save(path, "PNG");
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const QString directory = QString::fromLocal8Bit(argv[1]);
  for (const Rendition &rendition : RENDITIONS) {
    const int outputSize = rendition.size * rendition.scale;
    const QString path = directory + QStringLiteral("/zentor-%1.png").arg(outputSize);
    if (!WriteIcon(rendition, path)) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
