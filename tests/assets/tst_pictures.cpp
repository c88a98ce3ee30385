// The embedded pictures: sizes, colours and transparency as the board needs them.
#include <QFile>
#include <QImage>
#include <QtTest>

#include <map>

namespace {

// A picture the program carries, or else one of the assets' files (the web
// page's icons).
QImage load(const char* name) {
    QImage img(QStringLiteral(":/pictures/") + QLatin1String(name));
    if (img.isNull()) img.load(QStringLiteral(MUD_ASSETS_DIR "/") + QLatin1String(name));
    if (img.isNull()) qFatal("picture %s is missing", name);
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool transparent(QRgb c) { return qAlpha(c) == 0; }

// Pixels a flood from the picture's border reaches through transparent pixels.
QVector<bool> outside(const QImage& img) {
    QVector<bool> seen(img.width() * img.height());
    QVector<QPoint> todo;
    for (int x = 0; x < img.width(); ++x) todo << QPoint(x, 0) << QPoint(x, img.height() - 1);
    for (int y = 0; y < img.height(); ++y) todo << QPoint(0, y) << QPoint(img.width() - 1, y);
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (!img.rect().contains(p) || seen[p.y() * img.width() + p.x()] || !transparent(img.pixel(p))) continue;
        seen[p.y() * img.width() + p.x()] = true;
        todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    return seen;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void paintedHouses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("1 yellow") << "house_1.xpm" << QColor(255, 255, 0);
        QTest::newRow("2 sky blue") << "house_2.xpm" << QColor(0, 178, 235);
        QTest::newRow("3 red") << "house_3.xpm" << QColor(255, 0, 0);
        QTest::newRow("4 green") << "house_4.xpm" << QColor(0, 255, 0);
        QTest::newRow("5 white") << "house_5.xpm" << QColor(255, 255, 255);
    }
    // 348 pixels of fill inside a dark outline, transparent outside, and the
    // same outline as the grey house, so that one covers the other exactly.
    void paintedHouses() {
        QFETCH(QString, name);
        QFETCH(QColor, fill);
        const QImage painted = load(qPrintable(name));
        const QImage grey = load("house_grey.xpm");
        QCOMPARE(painted.size(), QSize(28, 25));
        QCOMPARE(grey.size(), QSize(28, 25));
        const QVector<bool> out = outside(painted);
        int fillCount = 0;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 28; ++x) {
                const QRgb c = painted.pixel(x, y);
                const QRgb g = grey.pixel(x, y);
                const bool isOutside = out[y * 28 + x];
                if (y == 24) QVERIFY(transparent(c) && transparent(g));
                QCOMPARE(transparent(c), isOutside);          // opaque exactly inside
                if (isOutside) QVERIFY(transparent(g));       // the grey house has the same outside
                if (QColor(c) == fill && !isOutside) {
                    ++fillCount;
                    QVERIFY(transparent(g));                  // fill where the grey house is open
                } else if (!isOutside) {
                    QVERIFY2(qGray(c) < 40, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));  // outline reads black
                    QVERIFY(!transparent(g));                 // the same outline
                }
            }
        }
        QCOMPARE(fillCount, 348);
    }

    void greyHouseOutlineColours() {
        const QImage grey = load("house_grey.xpm");
        std::map<QRgb, int> colours;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 28; ++x)
                if (!transparent(grey.pixel(x, y))) ++colours[grey.pixel(x, y) & 0xffffff];
        QCOMPARE(int(colours.size()), 2);
        QVERIFY(colours.count(qRgb(32, 0, 0) & 0xffffff));
        QCOMPARE(colours[qRgb(0, 0, 0) & 0xffffff], 24);  // the ground line, columns 2 to 25
        QVERIFY(!transparent(grey.pixel(2, 23)) && !transparent(grey.pixel(25, 23)));
        QVERIFY(transparent(grey.pixel(1, 23)));
    }

    void lifePortrait() {
        const QImage life = load("life.png");
        QCOMPARE(life.size(), QSize(30, 35));
        QSet<int> greys;
        for (int y = 0; y < 35; ++y)
            for (int x = 0; x < 30; ++x) {
                const QRgb c = life.pixel(x, y);
                QCOMPARE(qAlpha(c), 255);
                QVERIFY(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
                greys << qRed(c);
            }
        for (QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 34), QPoint(29, 34)})
            QCOMPARE(life.pixel(corner), qRgb(192, 192, 192));
        // The oval's black outline touches all four edges.
        auto dark = [&](int x, int y) { return qGray(life.pixel(x, y)) < 64; };
        QVERIFY(dark(15, 0) && dark(15, 34) && dark(0, 17) && dark(29, 17));
        QVERIFY(greys.size() > 40);
    }

    // A white bulb on a yellow-and-grey base, transparent around it, in the
    // colours of the 16-colour palette.
    void programIcon() {
        const QImage icon = load("icon.xpm");
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        int clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = icon.pixel(x, y);
                if (transparent(c)) ++clear;
                else colours << c;
            }
        QCOMPARE(colours, (QSet<QRgb>{qRgb(255, 255, 255), qRgb(255, 255, 0), qRgb(128, 128, 128)}));
        QVERIFY(transparent(icon.pixel(0, 31)) && transparent(icon.pixel(16, 30)));
        QCOMPARE(icon.pixel(16, 10), qRgb(255, 255, 255));  // the glass
        QVERIFY(clear > 32 * 32 / 2);
    }

    // Every size desktops ask for, made from the one drawing: larger ones by
    // whole factors in square blocks, smaller ones in the drawing's own
    // colours (nothing blended), bulb and base still there.
    void iconSizes_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("from");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 192, 256, 512})
            QTest::addRow("%d", size) << size << (size == 48 ? 24 : size > 32 ? 32 : 0);
    }
    void iconSizes() {
        QFETCH(int, size);
        QFETCH(int, from);
        const QImage drawing = load("icon.xpm");
        const QImage icon = load(qPrintable(QStringLiteral("icons/mudrovan-%1.png").arg(size)));
        QCOMPARE(icon.size(), QSize(size, size));
        if (size == 32) QCOMPARE(icon, drawing);
        if (from) {
            const QImage source = load(qPrintable(QStringLiteral("icons/mudrovan-%1.png").arg(from)));
            const int f = size / from;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) QCOMPARE(icon.pixel(x, y), source.pixel(x / f, y / f));
            return;
        }
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (!transparent(icon.pixel(x, y))) colours << icon.pixel(x, y);
        QCOMPARE(colours, (QSet<QRgb>{qRgb(255, 255, 255), qRgb(255, 255, 0), qRgb(128, 128, 128)}));
        QCOMPARE(icon.pixel(size / 2, size / 3), qRgb(255, 255, 255));  // the glass
        QVERIFY(transparent(icon.pixel(size / 2, size - 1)));
    }

    // The Windows icon holds the same eight images.
    void windowsIconHoldsEverySize() {
        QFile file(QStringLiteral(MUD_ASSETS_DIR "/mudrovan.ico"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        auto u16 = [&](int at) { return quint8(ico[at]) | quint8(ico[at + 1]) << 8; };
        QCOMPARE(u16(2), 1);
        QList<int> sizes;
        for (int i = 0; i < u16(4); ++i) {
            const int w = quint8(ico[6 + 16 * i]);
            sizes << (w ? w : 256);
            const qint64 offset = u16(6 + 16 * i + 12) | qint64(u16(6 + 16 * i + 14)) << 16;
            QVERIFY(offset < ico.size());
        }
        QCOMPARE(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
