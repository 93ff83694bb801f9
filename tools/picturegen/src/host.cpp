#include "art.h"
namespace picturegen {
QImage drawHostCard() { QImage i(118,158,QImage::Format_RGB32); i.fill(Qt::black); return i; }
QImage drawHostWrong() { QImage i(150,200,QImage::Format_RGB32); i.fill(Qt::black); return i; }
QImage drawHostCorrect() { QImage i(150,217,QImage::Format_RGB32); i.fill(Qt::black); return i; }
QImage drawHostFarewell() { QImage i(150,217,QImage::Format_RGB32); i.fill(Qt::black); return i; }
}
