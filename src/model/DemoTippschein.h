#pragma once

#include <QByteArray>

// The sample ticket that a first start places in the data folder: twelve rows played alone.
QByteArray DemoTippschein();
