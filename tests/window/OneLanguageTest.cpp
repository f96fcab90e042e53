#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/AboutWindow.h"
#include "window/PrintJobTestSupport.h"
#include "window/QtTranslation.h"

// One language at a time: the window's captions, the file chooser's, the About window's,
// the grid's label types and Qt's own texts all follow W-PRMLINGUA as it changes.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
namespace orders = rotulano::orders;

void choose(rotulano::window::DropDownList* list, int position) {
    list->setCurrentIndex(position - 1);
    emit list->activated(position - 1);
}

struct LanguageCase {
    int language;
    const char* chooserTitle;
    const char* chooserFilter;
    const char* aboutTitle;
    const char* aboutVersion;
    const char* gridHint;
};

const LanguageCase kLanguages[] = {
    {1, "Procurando por arquivos de Pedidos Lojasverdelis", "Arquivos Texto (*.txt)",
     "Sobre o Rotulano", "Rotulano - Versão 02.05.00",
     "Selecione os itens que deseja imprimir com um clique na coluna \"Sel.\""},
    {2, "Looking for Lojasverdelis order files", "Text files (*.txt)", "About Rotulano",
     "Rotulano - Version 02.05.00",
     "Select the items that you want to print with a click in the column \"Sel\""},
};

TEST(OneLanguage, TheFileChooserTheAboutWindowAndTheGridHintFollowTheLanguage) {
    for (const LanguageCase& one : kLanguages) {
        SCOPED_TRACE(one.language);
        PrintJobWindow test;
        test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', one.language));
        test.controls().menuAbrir->trigger();
        ASSERT_EQ(test.fileDialog.openings.size(), 1U);
        EXPECT_EQ(test.fileDialog.openings[0].title, QString::fromUtf8(one.chooserTitle));
        EXPECT_EQ(test.fileDialog.openings[0].filter, QString::fromUtf8(one.chooserFilter));
        EXPECT_EQ(test.controls().tabPedido->toolTip(), QString::fromUtf8(one.gridHint));
        test.controls().menuSobre->trigger();
        auto* about = test.window->findChild<rotulano::window::AboutWindow*>();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), QString::fromUtf8(one.aboutTitle));
        const auto* version = about->findChild<QLabel*>(QStringLiteral("CmStatic1"));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), QString::fromUtf8(one.aboutVersion));
        about->close();
    }
}

// The loaded order's label types change with the language, the order staying open.
TEST(OneLanguage, TheGridsLabelTypesChangeWithoutReopeningTheOrder) {
    PrintJobWindow test;
    test.open(settingsRecord(5, 1));
    test.loadOrder({rotulano::test::headerLine(), rotulano::test::itemLine('2')});
    EXPECT_EQ(test.grid().text(1, orders::kColType).trimmed(), QStringLiteral("Adesiva Pequena"));
    test.clickPage(3);
    choose(test.controls().wPrmlingua, 2);
    EXPECT_EQ(test.grid().text(1, orders::kColType).trimmed(), QStringLiteral("Small Adhesive"));
    choose(test.controls().wPrmlingua, 1);
    EXPECT_EQ(test.grid().text(1, orders::kColType).trimmed(), QStringLiteral("Adesiva Pequena"));
}

// Qt's own texts (the message boxes' buttons, the file chooser) change with the language
// shown, before any save.
TEST(OneLanguage, QtsOwnTextsFollowTheLanguageChosen) {
    rotulano::window::QtTranslation qtTexts(rotulano::window::QtTranslation::programFolder());
    PrintJobWindow test;
    test.window->context().qtTexts = &qtTexts;
    test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', 1));
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };
    EXPECT_EQ(yes(), QStringLiteral("&Sim"));
    EXPECT_EQ(lookIn(), QStringLiteral("Procurar em:"));
    test.clickPage(3);
    choose(test.controls().wPrmlingua, 2);
    EXPECT_EQ(yes(), QStringLiteral("&Yes"));
    EXPECT_EQ(lookIn(), QStringLiteral("Look in:"));
    choose(test.controls().wPrmlingua, 1);
    EXPECT_EQ(yes(), QStringLiteral("&Sim"));
    test.window->context().qtTexts = nullptr;
}

}  // namespace
