#include <QPainter>
