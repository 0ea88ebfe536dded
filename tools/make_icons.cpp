// Draws the program's icon, a hand-held radio, at 32×32 and 16×16 pixels in the sixteen
// standard VGA colours, and writes the two PNG files that ui/icons.qrc embeds.
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

bool WriteIcon(const char *const *rows, int size, const QString &path) {
  QImage image(size, size, QImage::Format_Indexed8);
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
      image.setPixel(x, y, static_cast<unsigned>(index));
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
  if (!WriteIcon(LARGE, 32, directory + QStringLiteral("/zentor-32.png")) ||
      !WriteIcon(SMALL, 16, directory + QStringLiteral("/zentor-16.png"))) {
    std::fprintf(stderr, "could not write the icons\n");
    return 1;
  }
  return 0;
}
