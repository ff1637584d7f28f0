// Texts on screen are whole: the clue lists' column headers, the solution
// word's caption (the clue, shown nowhere else) and the number legend's
// caption at the smallest cells. Judged on grabbed pictures of the windows;
// ctest runs it at the default scale and again at QT_SCALE_FACTOR=2.
#include "BoardFixture.h"
#include "LegendView.h"
#include "LegendeDialog.h"
#include "LoesungDialog.h"
#include "ZahlenDialog.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMdiSubWindow>
#include <QTest>

namespace {
// The first and last pixel columns in which `with` and `without` differ
// within rows top..bottom: the ink a text adds.
std::pair<int, int> InkColumns(const QImage& with, const QImage& without, int top, int bottom) {
    int left = with.width(), right = -1;
    for (int y = std::max(0, top); y < std::min(bottom, with.height()); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

QImage Shot(QWidget* w) {
    QCoreApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The caption's ink on the outer window's title bar spans the whole text.
bool CaptionWhole(QWidget* content) {
    auto* sub = qobject_cast<QMdiSubWindow*>(content->parentWidget());
    if (!sub) return false;
    const QString title = content->windowTitle();
    const QImage with = Shot(sub);
    sub->setWindowTitle(QStringLiteral(" "));
    const QImage without = Shot(sub);
    sub->setWindowTitle(title);
    const qreal dpr = with.devicePixelRatio();
    const int bar = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    const auto [left, right] = InkColumns(with, without, 0, int(bar * dpr));
    const int needed = QFontMetrics(sub->font()).boundingRect(title).width();
    return right >= left && (right - left + 1) / dpr >= needed - 3;
}

// Every fixed column's header text is drawn whole, inside its column: its
// dark ink on the light header is as wide as the text.
void CheckHeaders(LegendView* list, const char* where) {
    QHeaderView* header = list->header();
    const QImage shot = Shot(header);
    const qreal dpr = shot.devicePixelRatio();
    for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i) || header->sectionResizeMode(i) != QHeaderView::Fixed)
            continue;
        const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
        const int from = int(header->sectionViewportPosition(i) * dpr);
        const int to = int((header->sectionViewportPosition(i) + header->sectionSize(i)) * dpr);
        int left = to, right = -1;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = from; x < to; ++x)
                if (qGray(shot.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        const int needed = header->fontMetrics().boundingRect(text).width();
        const QByteArray what = QByteArray(where) + ": " + text.toUtf8();
        QVERIFY2(right >= left && (right - left + 1) / dpr >= needed - 2, what.constData());
        // Not cut by the column's edges either.
        QVERIFY2(left > from && right < to - 1, what.constData());
    }
}
} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setApplicationName("Zoruvidedid"); }

    void clueListHeadersAreWhole() {
        for (int kind : {0, 6, 10}) {
            const auto o = OpenBoard(*SmallCrossword(kind), "headers.zvr");
            QVERIFY(o->Board);
            auto* legend = dynamic_cast<TLegendForm*>(o->Frame->ClueList());
            QVERIFY(legend);
            const QByteArray where = "kind " + QByteArray::number(kind);
            CheckHeaders(legend->VTSenkrecht(), where.constData());
            if (QTest::currentTestFailed()) return;
        }
    }

    void solutionClueIsWholeOrWrapped() {
        for (const char* clue :
             {"Langohr auf dem Feld", "Langohr auf dem Feld, das im Fr\xFChling gern bunte Eier im "
                                      "Garten versteckt und sich dabei nicht erwischen l\xE4sst"}) {
            auto p = SmallCrossword(1);
            p->Image.SolutionWord.set("HAUS");
            p->Image.SolutionClue.set(clue);
            p->Image.EnteredSolutionWord.set("    ");
            const auto o = OpenBoard(*p, "caption.zvr");
            auto* word = dynamic_cast<TLoesungForm*>(o->Frame->SolutionWord());
            QVERIFY(word);
            QLabel* wrapped = word->LblUmschreibung();
            if (wrapped->isVisibleTo(word)) {
                // Too long for any title bar: written out in the window instead.
                QCOMPARE(wrapped->text(), word->windowTitle());
                QVERIFY(wrapped->height() >= wrapped->heightForWidth(wrapped->width()));
                QVERIFY(word->parentWidget()->width() <= o->Frame->ClientAreaWidth());
            } else {
                QVERIFY2(CaptionWhole(word), clue);
            }
        }
    }

    void numberLegendCaptionAtTheSmallestCells() {
        auto p = SmallCrossword(2);
        const auto o = OpenBoard(*p, "legend.zvr");
        QVERIFY(o->Board);
        while (o->Session->settings.Feldgroesse > 10) {
            const int before = o->Session->settings.Feldgroesse;
            o->Board->Zoom(-1);
            if (o->Session->settings.Feldgroesse == before) break;
        }
        auto* legend = dynamic_cast<TNumLegendForm*>(o->Frame->NumberLegend());
        QVERIFY(legend);
        QVERIFY(CaptionWhole(legend));
    }
};

QTEST_MAIN(TestCaptions)
#include "test_Captions.moc"
