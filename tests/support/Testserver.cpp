// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Testserver.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

std::optional<Testzertifikat> TestzertifikatMachen(const QString &ordner)
{
    const QString cert = ordner + QStringLiteral("/server.pem");
    const QString key = ordner + QStringLiteral("/server.key");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), key,
                   QStringLiteral("-out"), cert});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        return std::nullopt;
    QFile c(cert), k(key);
    if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly))
        return std::nullopt;
    Testzertifikat t{QSslCertificate(c.readAll(), QSsl::Pem), QSslKey(k.readAll(), QSsl::Ec, QSsl::Pem)};
    if (t.zertifikat.isNull() || t.schluessel.isNull())
        return std::nullopt;
    return t;
}

namespace {
QByteArray antwortkopf(int code, const QByteArray &satz, const QList<QByteArray> &zeilen)
{
    QByteArray kopf = "HTTP/1.1 " + QByteArray::number(code) + ' ' + satz + "\r\n";
    for (const QByteArray &z : zeilen)
        kopf += z + "\r\n";
    return kopf + "\r\n";
}
} // namespace

Testserver::Antwort Testserver::ok(const QByteArray &koerper)
{
    return status(200, "OK", koerper);
}

Testserver::Antwort Testserver::status(int code, const QByteArray &satz, const QByteArray &koerper)
{
    return {antwortkopf(code, satz, {"Content-Length: " + QByteArray::number(koerper.size())}) + koerper};
}

Testserver::Antwort Testserver::weiterleitung(const QByteArray &ziel)
{
    return {antwortkopf(302, "Found", {"Location: " + ziel, "Content-Length: 0"})};
}

Testserver::Antwort Testserver::ohneLaenge(const QByteArray &koerper)
{
    Antwort a{antwortkopf(200, "OK", {"Connection: close"}) + koerper};
    a.schliessen = true;
    return a;
}

Testserver::Antwort Testserver::stumm()
{
    Antwort a;
    a.stumm = true;
    return a;
}

Testserver::Antwort Testserver::langsam(const QByteArray &koerper, int stueck, int taktMs)
{
    Antwort a = ok(koerper);
    a.stueck = stueck;
    a.taktMs = taktMs;
    return a;
}

Testserver::Antwort Testserver::gepackt(const QByteArray &koerper)
{
    const QByteArray gepackt = gzip(koerper);
    return {antwortkopf(200, "OK", {"Content-Encoding: gzip", "Content-Length: " + QByteArray::number(gepackt.size())}) +
            gepackt};
}

QByteArray Testserver::gzip(const QByteArray &daten)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-c"), QStringLiteral("-n")});
    if (!gzip.waitForStarted(30000))
        return {};
    gzip.write(daten);
    gzip.closeWriteChannel();
    if (!gzip.waitForFinished(60000) || gzip.exitCode() != 0)
        return {};
    return gzip.readAllStandardOutput();
}

Testserver::Testserver(QObject *eltern) : QObject(eltern) {}

Testserver::~Testserver() = default;

bool Testserver::starten(const std::optional<Testzertifikat> &tls)
{
    m_tls = tls.has_value();
    if (m_tls) {
        auto *server = new QSslServer(this);
        QSslConfiguration konfiguration = QSslConfiguration::defaultConfiguration();
        konfiguration.setLocalCertificate(tls->zertifikat);
        konfiguration.setPrivateKey(tls->schluessel);
        konfiguration.setPeerVerifyMode(QSslSocket::VerifyNone);
        server->setSslConfiguration(konfiguration);
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &Testserver::annehmen);
    return m_server->listen(QHostAddress::LocalHost);
}

QString Testserver::basis() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_server->serverPort());
}

void Testserver::annehmen()
{
    while (m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { lesen(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_puffer.remove(socket);
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            lesen(socket);
    }
}

void Testserver::lesen(QTcpSocket *socket)
{
    QByteArray &puffer = m_puffer[socket];
    puffer += socket->readAll();
    // A client may send its next request on the same connection (GET has no body).
    for (qsizetype ende = puffer.indexOf("\r\n\r\n"); ende >= 0; ende = puffer.indexOf("\r\n\r\n")) {
        const QByteArray kopf = puffer.left(ende);
        puffer.remove(0, ende + 4);
        anfragen.append(kopf);
        const QList<QByteArray> erste = kopf.left(kopf.indexOf("\r\n")).split(' ');
        const QString pfad = erste.size() >= 2 ? QString::fromLatin1(erste[1]) : QString();
        antworten(socket,
                  m_antworten.value(pfad, status(404, "Not Found", "<html><body>Nicht gefunden</body></html>")));
    }
}

void Testserver::antworten(QTcpSocket *socket, const Antwort &antwort)
{
    if (antwort.stumm)
        return;
    const QByteArray daten = antwort.abbrechenNach >= 0 ? antwort.roh.left(antwort.abbrechenNach) : antwort.roh;
    const bool schliessen = antwort.schliessen || antwort.abbrechenNach >= 0;
    if (antwort.stueck <= 0) {
        socket->write(daten);
        if (schliessen)
            socket->disconnectFromHost();
        return;
    }
    auto *takt = new QTimer(socket);
    auto gesendet = std::make_shared<qsizetype>(0);
    connect(takt, &QTimer::timeout, socket, [socket, takt, daten, gesendet, schliessen, stueck = antwort.stueck] {
        socket->write(daten.mid(*gesendet, stueck));
        *gesendet += stueck;
        if (*gesendet >= daten.size()) {
            takt->stop();
            if (schliessen)
                socket->disconnectFromHost();
        }
    });
    takt->start(antwort.taktMs);
}
