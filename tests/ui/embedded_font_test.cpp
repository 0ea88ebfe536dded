// SPDX-License-Identifier: GPL-3.0-or-later
// The subset font built into the program: it holds every character the program shows, it
// measures exactly like the full AR PL UMing CN it was cut from, and characters it lacks
// still reach the screen through the system's fonts.

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

#include "about_box.h"
#include "dialog_template.h"
#include "dialog_font.h"
#include "dialog_units.h"
#include "embedded_font.h"
#include "program_texts.h"
#include "programmer_dlg.h"
#include "test_application.h"

namespace {

const QString FULL_FONT_FAMILY = QStringLiteral("AR PL UMing CN");
constexpr int POINTS = 9;

class EmbeddedFont : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    ASSERT_TRUE(RegisterEmbeddedFont());
    font_ = QFont(QString::fromUtf8(EMBEDDED_FONT_FAMILY), POINTS);
    // The font the family resolves to, with no fallback font behind it.
    raw_ = QRawFont::fromFont(font_);
    ASSERT_TRUE(raw_.isValid());
    ASSERT_EQ(raw_.familyName(), QString::fromUtf8(EMBEDDED_FONT_FAMILY));
  }

  // The characters of `texts` the embedded font has no glyph for, with where they come from.
  std::string MissingCharacters(const std::vector<ProgramText> &texts) const {
    QString missing;
    for (const ProgramText &entry : texts) {
      for (const QChar character : entry.text) {
        if (!raw_.supportsCharacter(character)) {
          missing += QStringLiteral("'%1' (U+%2) in %3\n")
                         .arg(character)
                         .arg(character.unicode(), 4, 16, QLatin1Char('0'))
                         .arg(entry.source);
        }
      }
    }
    return missing.toStdString();
  }

  QFont font_;
  QRawFont raw_;
};

constexpr const char *REGENERATE = "a text has a character the embedded font lacks; run "
                                   "tools/make_ui_font.sh and commit ui/framework/fonts/ZentorUiSubset.ttf";

}  // namespace

TEST_F(EmbeddedFont, IsTheDialogFontWhereSimSunIsMissing) {
  if (QFontDatabase::hasFamily(QStringLiteral("SimSun"))) {
    GTEST_SKIP() << "SimSun is installed, so the dialogs use it";
  }
  EXPECT_EQ(DialogFont().family(), QString::fromUtf8(EMBEDDED_FONT_FAMILY));
  EXPECT_EQ(QFontInfo(DialogFont()).family(), QString::fromUtf8(EMBEDDED_FONT_FAMILY));
  EXPECT_EQ(DialogFont().pointSize(), POINTS);
}

TEST_F(EmbeddedFont, CoversPrintableAscii) {
  for (char16_t code = 0x20; code <= 0x7E; ++code) {
    EXPECT_TRUE(raw_.supportsCharacter(QChar(code))) << "U+" << static_cast<int>(code);
  }
}

TEST_F(EmbeddedFont, CoversEveryProgramText) {
  const std::vector<ProgramText> texts = ProgramTexts();
  ASSERT_GT(texts.size(), EDITOR_CONTROL_COUNT);
  EXPECT_EQ(MissingCharacters(texts), "") << REGENERATE;
}

TEST_F(EmbeddedFont, CoversEveryTextOfTheEditorAndTheAboutBox) {
  CProgrammerDlg dialog;
  dialog.Create();
  std::vector<ProgramText> texts = TextsOfWindow(dialog);
  const CAboutBox about(&dialog);
  const std::vector<ProgramText> aboutTexts = TextsOfWindow(about);
  texts.insert(texts.end(), aboutTexts.begin(), aboutTexts.end());
  ASSERT_GT(texts.size(), EDITOR_CONTROL_COUNT);  // every label, button, list entry, menu item
  EXPECT_EQ(MissingCharacters(texts), "") << REGENERATE;
}

// Cut from the full font without touching a metric: the dialog units, and with them the window
// size and every control's place, come out the same as with the full font.
TEST_F(EmbeddedFont, MeasuresLikeTheFullFont) {
  const QFont full(FULL_FONT_FAMILY, POINTS);
  if (QFontInfo(full).family() != FULL_FONT_FAMILY) {
    GTEST_SKIP() << "fonts-arphic-uming is not installed";
  }
  const QFontMetricsF subsetMetrics(font_);
  const QFontMetricsF fullMetrics(full);
  EXPECT_EQ(subsetMetrics.ascent(), fullMetrics.ascent());
  EXPECT_EQ(subsetMetrics.descent(), fullMetrics.descent());
  EXPECT_EQ(subsetMetrics.height(), fullMetrics.height());
  EXPECT_EQ(subsetMetrics.leading(), fullMetrics.leading());
  const DialogUnits subsetUnits = DialogUnitsOf(font_);
  const DialogUnits fullUnits = DialogUnitsOf(full);
  EXPECT_EQ(subsetUnits.baseWidth, fullUnits.baseWidth);
  EXPECT_EQ(subsetUnits.baseHeight, fullUnits.baseHeight);
  EXPECT_EQ(QSize(subsetUnits.X(EDITOR_WIDTH), subsetUnits.Y(EDITOR_HEIGHT)),
            QSize(fullUnits.X(EDITOR_WIDTH), fullUnits.Y(EDITOR_HEIGHT)));
  for (const ProgramText &entry : ProgramTexts()) {
    EXPECT_EQ(subsetMetrics.horizontalAdvance(entry.text),
              fullMetrics.horizontalAdvance(entry.text))
        << entry.source.toStdString();
  }
}

// A user may paste any text into an edit: what the subset lacks comes from the installed fonts,
// not as empty boxes.
TEST_F(EmbeddedFont, CharactersItLacksAreDrawnFromTheSystemFonts) {
  const QString foreign = QStringLiteral("鑫한");  // a Han character and a Hangul syllable
  for (const QChar character : foreign) {
    ASSERT_FALSE(raw_.supportsCharacter(character)) << "pick a character outside the subset";
  }
  QTextLayout layout(QStringLiteral("频道") + foreign, font_);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  int drawnByEmbedded = 0;
  int drawnByOthers = 0;
  for (const QGlyphRun &run : layout.glyphRuns()) {
    for (const quint32 glyph : run.glyphIndexes()) {
      EXPECT_NE(glyph, 0u) << "a box instead of a glyph, in "
                           << run.rawFont().familyName().toStdString();
    }
    const int glyphs = static_cast<int>(run.glyphIndexes().size());
    if (run.rawFont().familyName() == QString::fromUtf8(EMBEDDED_FONT_FAMILY)) {
      drawnByEmbedded += glyphs;
    } else {
      drawnByOthers += glyphs;
    }
  }
  EXPECT_EQ(drawnByEmbedded, 2);
  EXPECT_EQ(drawnByOthers, 2);
}

// SimSun 9 points has dialog base units of 6 x 12 pixels at 96 DPI, which make the editor
// 743 x 543 pixels (495 x 6 / 4 = 742.5, rounded up as MulDiv rounds); the embedded Song face
// gives the same, so the window fits a 1366 x 768 screen with or without SimSun.
TEST_F(EmbeddedFont, GivesTheEditorSimSunsSizeAt96Dpi) {
  if (QFontDatabase::hasFamily(QStringLiteral("SimSun"))) {
    GTEST_SKIP() << "SimSun is installed, so the dialogs use it";
  }
  CProgrammerDlg dialog;
  dialog.Create();
  ASSERT_EQ(dialog.logicalDpiY(), 96);
  const DialogUnits units = DialogUnitsOf(dialog.font());
  EXPECT_EQ(units.baseWidth, 6);
  EXPECT_EQ(units.baseHeight, 12);
  EXPECT_EQ(dialog.size(), QSize(743, 543));
}
