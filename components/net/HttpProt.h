#pragma once

#include <QObject>

// The HTTP/1.0 client.
class THttpCli : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
};
