// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>

#include <optional>

class QTcpServer;
class QTcpSocket;

// A certificate for 127.0.0.1 and its key, made with the openssl tool for one test run.
struct Testzertifikat
{
    QSslCertificate zertifikat;
    QSslKey schluessel;
};
std::optional<Testzertifikat> TestzertifikatMachen(const QString &ordner);

// A small HTTP server on 127.0.0.1, plain or with TLS, that answers every path with a canned
// answer (unknown paths with 404) and keeps the heads of the requests it received.
class Testserver : public QObject
{
    Q_OBJECT
public:
    struct Antwort
    {
        QByteArray roh;            // status line, header lines and body, sent as they are
        qint64 abbrechenNach = -1; // closes the connection after this many bytes
        bool schliessen = false;   // closes the connection after the answer
        bool stumm = false;        // takes the request and never answers
        int stueck = 0;            // sends `stueck` bytes every `taktMs` (0: all at once)
        int taktMs = 0;
    };
    static Antwort ok(const QByteArray &koerper);
    static Antwort status(int code, const QByteArray &satz, const QByteArray &koerper);
    static Antwort weiterleitung(const QByteArray &ziel);
    // A body without a length: it ends when the server closes the connection.
    static Antwort ohneLaenge(const QByteArray &koerper);
    // Takes the request and never answers.
    static Antwort stumm();
    // A good answer sent slowly, `stueck` bytes every `taktMs`.
    static Antwort langsam(const QByteArray &koerper, int stueck, int taktMs);
    // A good answer whose body is sent packed with gzip ("Content-Encoding: gzip").
    static Antwort gepackt(const QByteArray &koerper);
    // `daten` packed by the gzip tool; empty when it failed.
    static QByteArray gzip(const QByteArray &daten);

    explicit Testserver(QObject *eltern = nullptr);
    ~Testserver() override;

    // Listens on a free port of 127.0.0.1; with a certificate it speaks TLS only.
    bool starten(const std::optional<Testzertifikat> &tls = std::nullopt);
    // "http://127.0.0.1:port" or "https://127.0.0.1:port".
    QString basis() const;
    void setze(const QString &pfad, const Antwort &antwort) { m_antworten[pfad] = antwort; }

    QList<QByteArray> anfragen; // request heads, oldest first

private:
    void annehmen();
    void lesen(QTcpSocket *socket);
    void antworten(QTcpSocket *socket, const Antwort &antwort);

    QTcpServer *m_server = nullptr;
    bool m_tls = false;
    QMap<QString, Antwort> m_antworten;
    QMap<QTcpSocket *, QByteArray> m_puffer;
};
