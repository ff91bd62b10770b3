// Draws the scene's two pictures: the backdrop banner and the ball picture.
// Usage: tessivar_make_pictures <output folder>   (writes banner.png and ball.png)
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

QFont PictureFont(int pixelSize, int weight)
{
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

// Text as a filled path, so that it can take a gradient and an outline.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    return path.translated(centre - bounds.center());
}

// Faint stacks of balls, as the registers stand in front of the banner.
void DrawBallColumns(QPainter& painter, QRectF area)
{
    const qreal diameter = 14;
    const int heights[] = {3, 7, 5, 10, 2, 8, 6, 4, 9, 3, 6, 8};
    painter.setPen(Qt::NoPen);
    qreal x = area.left();
    for (int height : heights) {
        for (int k = 0; k < height; ++k) {
            QRadialGradient shade(QPointF(x + diameter * 0.35, area.bottom() - (k + 0.65) * diameter), diameter * 0.7);
            shade.setColorAt(0, QColor(255, 255, 255, 70));
            shade.setColorAt(1, QColor(160, 220, 230, 25));
            painter.setBrush(shade);
            painter.drawEllipse(QRectF(x, area.bottom() - (k + 1) * diameter, diameter, diameter));
        }
        x += diameter * 1.6;
    }
}

QImage Banner()
{
    QImage image(940, 340, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 940, 340);
    sky.setColorAt(0, QColor(0x1F, 0x4E, 0x8C));
    sky.setColorAt(0.55, QColor(0x2B, 0x7A, 0x9E));
    sky.setColorAt(1, QColor(0x4A, 0x3F, 0x8F));
    painter.fillRect(image.rect(), sky);

    // A soft glow behind the title.
    QRadialGradient glow(QPointF(470, 150), 360);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

    DrawBallColumns(painter, QRectF(40, 150, 300, 160));
    DrawBallColumns(painter, QRectF(640, 150, 300, 160));

    // Floor ruler under the ball columns.
    painter.setPen(QPen(QColor(0x9F, 0xD8, 0xDB, 150), 2));
    painter.drawLine(QPointF(30, 312), QPointF(910, 312));
    for (int x = 40; x <= 900; x += 22)
        painter.drawLine(QPointF(x, 306), QPointF(x, 318));

    // Gold frame.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xE8, 0xC5, 0x6A), 4));
    painter.drawRoundedRect(QRectF(12, 12, 916, 316), 18, 18);
    painter.setPen(QPen(QColor(0xE8, 0xC5, 0x6A, 140), 1.5));
    painter.drawRoundedRect(QRectF(22, 22, 896, 296), 12, 12);

    const QPainterPath title
        = CentredText(QStringLiteral("Tessivar"), PictureFont(132, QFont::Bold), QPointF(470, 120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawPath(title.translated(5, 6));
    QLinearGradient titleFill(0, 50, 0, 190);
    titleFill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    titleFill.setColorAt(1, QColor(0xD6, 0xF1, 0xF5));
    painter.setBrush(titleFill);
    painter.setPen(QPen(QColor(0x17, 0x3A, 0x66), 3));
    painter.drawPath(title);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF6, 0xDC, 0x8C));
    painter.drawPath(CentredText(QStringLiteral("URM \u00B7 Unlimited Register Machine"),
                                 PictureFont(34, QFont::Medium), QPointF(470, 222)));
    painter.setBrush(QColor(0xE4, 0xF4, 0xF6));
    painter.drawPath(CentredText(QStringLiteral("Z(n)    S(n)    T(m,n)    J(m,n,q)"), PictureFont(26, QFont::Normal),
                                 QPointF(470, 272)));
    return image;
}

QImage BallPicture()
{
    QImage image(92, 88, QImage::Format_RGB32);
    image.fill(QColor(0xFB, 0xF6, 0xE4));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Wrapped around a ball, a pixel across covers about twice the arc of a
    // pixel down, so the face is drawn narrow to look round on the ball.
    painter.translate(46, 44);
    painter.scale(0.5, 1.0);
    painter.setPen(QPen(QColor(0x1E, 0x9E, 0x3E), 1.5));
    painter.setBrush(QColor(0x1E, 0x9E, 0x3E));
    painter.drawPath(CentredText(QStringLiteral("^_^"), PictureFont(30, QFont::Black), QPointF(0, 0)));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessivar_make_pictures <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool saved = Banner().save(folder.filePath(QStringLiteral("banner.png")))
        && BallPicture().save(folder.filePath(QStringLiteral("ball.png")));
    if (!saved) {
        std::fprintf(stderr, "tessivar_make_pictures: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
