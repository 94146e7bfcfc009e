// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <memory>

class Entpacker;
class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;
class QSslError;
class QTimer;

// What one download fetches and where it goes.
struct Downloadauftrag
{
    QUrl url;
    QString ziel;           // replaced only by a complete answer with status 200
    qint64 maxGroesse = 0;  // a longer body is refused
    bool ohneCache = false; // the answer must come from the server itself
    int gesamtzeitMs = 0;   // the whole transfer, redirects included, ends after this long (0: no limit)
};

// How downloads talk to the server.
struct Downloadoptionen
{
    int zeitlimitMs = 30000;                        // no byte for this long ends the download
    QList<QSslCertificate> zusaetzlicheZertifikate; // trusted besides the system's authorities
    // Fewer than `mindestBytes` in any of the spans of `rateFensterMs` the transfer is cut into
    // ends it: a server that trickles a few bytes now and then can't keep it running for ever.
    qint64 mindestBytes = 1024;
    int rateFensterMs = 30000;
};

enum class Downloadstatus { Erfolg, Fehler, Abgebrochen };

struct Downloadergebnis
{
    Downloadstatus status = Downloadstatus::Fehler;
    QString fehler; // German description of what went wrong
};

// Fetches one file by HTTPS (plain HTTP only from a server on the loopback address), with
// certificate checks, at most five redirects and only to HTTPS, a time limit and a size cap.
// The body is written beside the target and put in its place only when the answer was complete
// and had the status 200; otherwise the target stays exactly as it was.
class Herunterladen : public QObject
{
    Q_OBJECT
public:
    explicit Herunterladen(Downloadoptionen optionen = {}, QObject *eltern = nullptr);
    ~Herunterladen() override;

    static constexpr int MaxWeiterleitungen = 5;

    // Starts the download; `fertig` follows exactly once, from the event loop, also when the
    // address is refused at once.
    void starten(const Downloadauftrag &auftrag);
    // Stops a running download; `fertig` then reports it as cancelled.
    void abbrechen();
    bool laeuft() const { return m_laeuft; }

Q_SIGNALS:
    // `gesamt` is -1 while the server has not said how long the body is.
    void fortschritt(qint64 empfangen, qint64 gesamt);
    void fertig(const Downloadergebnis &ergebnis);

private:
    void kopfdatenPruefen();
    void anfragen(const QUrl &url);
    bool weiterleiten(QNetworkReply *antwort);
    void datenLesen();
    void antwortFertig();
    void abbrechenWeil(const QString &grund);
    void antwortAbbrechen();
    void melden(Downloadstatus status, const QString &fehler);
    QString netzfehlerText(const QNetworkReply *antwort) const;
    QString beschaedigtText() const;
    void ratePruefen();
    void uhrenAnhalten();

    Downloadoptionen m_optionen;
    QNetworkAccessManager *m_netz = nullptr;
    QPointer<QNetworkReply> m_antwort;
    std::unique_ptr<QSaveFile> m_datei;
    std::unique_ptr<Entpacker> m_entpacker; // while a packed body comes in
    Downloadauftrag m_auftrag;
    QUrl m_aktuelleUrl;
    qint64 m_empfangen = 0;
    qint64 m_empfangenImFenster = 0; // bytes of the body (before unpacking) in the current span
    QTimer *m_gesamtuhr = nullptr;
    QTimer *m_rateuhr = nullptr;
    int m_weiterleitungen = 0;
    QString m_grund;     // why the program itself stopped the transfer
    QString m_sslFehler; // what the certificate check found
    bool m_vomNutzerAbgebrochen = false;
    bool m_laeuft = false;
};
