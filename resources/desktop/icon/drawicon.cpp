// Draws the application icon once, from one list of shapes, as the PNGs of the hicolor
// sizes and as the scalable SVG. Run by generate.sh; its output is committed.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

// The icon on a 256 x 256 canvas.
struct Shape {
    enum Kind { RoundedRect, Circle, Polygon } kind;
    QRectF rect;             // RoundedRect, Circle (its bounding square)
    qreal radius = 0;        // RoundedRect corners
    QPolygonF points;        // Polygon
    QColor fill;
    QColor fillBottom;       // a vertical gradient when valid
    QColor stroke;
    qreal strokeWidth = 0;
};

std::vector<Shape> shapes()
{
    const QPolygonF arrow{{148, 170}, {178, 170}, {178, 152}, {208, 178}, {178, 204}, {178, 186}, {148, 186}};
    return {
        {Shape::RoundedRect, {16, 16, 224, 224}, 44, {}, QColor("#4c8df0"), QColor("#2a5bb8"), {}, 0},
        {Shape::RoundedRect, {80, 36, 112, 144}, 12, {}, QColor("#c9dbf7"), {}, {}, 0},
        {Shape::RoundedRect, {56, 56, 112, 144}, 12, {}, QColor("#ffffff"), {}, {}, 0},
        {Shape::RoundedRect, {74, 84, 76, 14}, 7, {}, QColor("#8fa9d3"), {}, {}, 0},
        {Shape::RoundedRect, {74, 110, 54, 14}, 7, {}, QColor("#8fa9d3"), {}, {}, 0},
        {Shape::RoundedRect, {74, 136, 66, 14}, 7, {}, QColor("#8fa9d3"), {}, {}, 0},
        {Shape::Circle, {126, 126, 104, 104}, 0, {}, QColor("#f59e0b"), {}, QColor("#ffffff"), 8},
        {Shape::Polygon, {}, 0, arrow, QColor("#ffffff"), {}, {}, 0},
    };
}

void paint(QPainter& painter, int size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    for (const Shape& s : shapes()) {
        if (s.fillBottom.isValid()) {
            QLinearGradient gradient(0, s.rect.top(), 0, s.rect.bottom());
            gradient.setColorAt(0, s.fill);
            gradient.setColorAt(1, s.fillBottom);
            painter.setBrush(gradient);
        } else {
            painter.setBrush(s.fill);
        }
        painter.setPen(s.strokeWidth > 0 ? QPen(s.stroke, s.strokeWidth) : QPen(Qt::NoPen));
        switch (s.kind) {
        case Shape::RoundedRect:
            painter.drawRoundedRect(s.rect, s.radius, s.radius);
            break;
        case Shape::Circle:
            painter.drawEllipse(s.rect);
            break;
        case Shape::Polygon:
            painter.drawPolygon(s.points);
            break;
        }
    }
}

QString svg()
{
    QString out;
    QTextStream text(&out);
    text << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    int gradients = 0;
    for (const Shape& s : shapes()) {
        QString fill = s.fill.name();
        if (s.fillBottom.isValid()) {
            const QString id = QStringLiteral("g%1").arg(++gradients);
            text << "  <defs><linearGradient id=\"" << id << "\" x1=\"0\" y1=\"" << s.rect.top() << "\" x2=\"0\" y2=\""
                 << s.rect.bottom() << "\" gradientUnits=\"userSpaceOnUse\"><stop offset=\"0\" stop-color=\""
                 << s.fill.name() << "\"/><stop offset=\"1\" stop-color=\"" << s.fillBottom.name()
                 << "\"/></linearGradient></defs>\n";
            fill = QStringLiteral("url(#%1)").arg(id);
        }
        QString paint = QStringLiteral("fill=\"%1\"").arg(fill);
        if (s.strokeWidth > 0)
            paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(s.stroke.name()).arg(s.strokeWidth);
        switch (s.kind) {
        case Shape::RoundedRect:
            text << "  <rect x=\"" << s.rect.x() << "\" y=\"" << s.rect.y() << "\" width=\"" << s.rect.width()
                 << "\" height=\"" << s.rect.height() << "\" rx=\"" << s.radius << "\" " << paint << "/>\n";
            break;
        case Shape::Circle:
            text << "  <circle cx=\"" << s.rect.center().x() << "\" cy=\"" << s.rect.center().y() << "\" r=\""
                 << s.rect.width() / 2 << "\" " << paint << "/>\n";
            break;
        case Shape::Polygon: {
            QStringList points;
            for (const QPointF& p : s.points)
                points << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
            text << "  <polygon points=\"" << points.join(' ') << "\" " << paint << "/>\n";
            break;
        }
        }
    }
    text << "</svg>\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawicon OUTPUT-FOLDER (the hicolor folder)\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(painter, size);
        painter.end();
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        root.mkpath(folder);
        if (!image.save(root.filePath(folder + "/quorvel.png")))
            return 1;
    }
    root.mkpath("scalable/apps");
    QFile file(root.filePath("scalable/apps/quorvel.svg"));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(svg().toUtf8());
    return 0;
}
