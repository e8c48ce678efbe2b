// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon, two pulleys joined by a belt, at the sizes the
// program and its installation use: kasnak-32.png (the window's icon) and
// kasnak-48/64/128/256.png.
//
//   make_icons OUTPUT_DIR
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

struct Pulley {
  QPointF centre;
  double radius;
  QColor hub;
};

// Drawn on a 256 x 256 canvas.
constexpr double kBeltWidth = 14;
const Pulley kLarge{{84, 164}, 64, QColor(0xd9, 0x6a, 0x1c)};
const Pulley kSmall{{190, 82}, 38, QColor(0x2f, 0x6f, 0xb5)};

void AddArc(QPainterPath& path, QPointF centre, double radius, double from, double to) {
  constexpr int kSteps = 96;
  for (int i = 0; i <= kSteps; ++i) {
    const double a = from + (to - from) * i / kSteps;
    path.lineTo(centre + radius * QPointF(std::cos(a), std::sin(a)));
  }
}

// The belt's centre line: the two open strands and the arcs of contact.
QPainterPath BeltPath() {
  const double r1 = kLarge.radius + kBeltWidth / 2;
  const double r2 = kSmall.radius + kBeltWidth / 2;
  const QPointF d = kSmall.centre - kLarge.centre;
  const double distance = std::hypot(d.x(), d.y());
  const double a = std::atan2(d.y(), d.x());
  const double phi = std::acos((r1 - r2) / distance);
  QPainterPath path(kLarge.centre + r1 * QPointF(std::cos(a + phi), std::sin(a + phi)));
  AddArc(path, kSmall.centre, r2, a + phi, a - phi);
  AddArc(path, kLarge.centre, r1, a - phi, a + phi - 2 * std::numbers::pi);
  path.closeSubpath();
  return path;
}

void DrawPulley(QPainter& p, const Pulley& pulley, bool holes) {
  const QPointF c = pulley.centre;
  const double r = pulley.radius;
  QRadialGradient steel(c - QPointF(r / 3, r / 3), r * 1.4);
  steel.setColorAt(0, QColor(0xf2, 0xf5, 0xf8));
  steel.setColorAt(1, QColor(0x86, 0x93, 0xa0));
  p.setPen(QPen(QColor(0x3c, 0x46, 0x50), 5));
  p.setBrush(steel);
  p.drawEllipse(c, r, r);
  // The groove ring of the rim.
  p.setPen(QPen(QColor(0x6c, 0x78, 0x84), 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r - 9, r - 9);
  if (holes) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x66, 0x72));
    for (int k = 0; k < 4; ++k) {
      const double a = std::numbers::pi / 4 + k * std::numbers::pi / 2;
      p.drawEllipse(c + 0.58 * r * QPointF(std::cos(a), std::sin(a)), r * 0.13, r * 0.13);
    }
  }
  p.setPen(QPen(QColor(0x3c, 0x46, 0x50), 3));
  p.setBrush(pulley.hub);
  p.drawEllipse(c, r * 0.3, r * 0.3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1e, 0x24, 0x2a));
  p.drawEllipse(c, r * 0.11, r * 0.11);
}

QImage Draw(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  const QPainterPath belt = BeltPath();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x22, 0x27, 0x2c), kBeltWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(belt);
  if (size >= 64) {
    // The ribs along the belt.
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5a), 2));
    p.drawPath(belt);
  }
  DrawPulley(p, kLarge, size >= 48);
  DrawPulley(p, kSmall, size >= 64);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: make_icons OUTPUT_DIR\n", stderr);
    return 2;
  }
  for (int size : {32, 48, 64, 128, 256}) {
    const QString file = QStringLiteral("%1/kasnak-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!Draw(size).save(file)) {
      std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
