// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Herunterladen.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "update/Entpacker.h"
#include "update/Updateserver.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QLocale>
#include <QTimer>

namespace {
// A size limit as messages name it: "16 MB", or the bytes when it is no whole number of MB.
QString grenzeText(qint64 bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QStringLiteral("%1 MB").arg(bytes / (1024 * 1024));
    return QStringLiteral("%1 Bytes").arg(QLocale(QLocale::German, QLocale::Germany).toString(bytes));
}

QString sekunden(qint64 ms)
{
    if (ms % 1000 == 0)
        return QString::number(ms / 1000);
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString menge(qint64 bytes)
{
    if (bytes > 0 && bytes % 1024 == 0)
        return QStringLiteral("%1 KiB").arg(bytes / 1024);
    return QStringLiteral("%1 Bytes").arg(bytes);
}

int statuscode(const QNetworkReply *antwort)
{
    return antwort ? antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}
bool istErfolg(const QNetworkReply *antwort)
{
    return statuscode(antwort) == 200;
}
// The server sent the body packed (gzip, deflate …), which Qt unpacks on the way.
bool istGepackt(const QNetworkReply *antwort)
{
    const QByteArray art = antwort ? antwort->rawHeader("Content-Encoding").trimmed().toLower() : QByteArray();
    return !art.isEmpty() && art != "identity";
}
// How the server says it packed the body, cut to what a message may show.
QString packart(const QNetworkReply *antwort)
{
    QString art;
    for (const char c : antwort->rawHeader("Content-Encoding").trimmed().left(40))
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ',' ||
            c == ' ')
            art += QLatin1Char(c);
    return art;
}
bool istWeiterleitung(const QNetworkReply *antwort)
{
    const int code = statuscode(antwort);
    return code >= 300 && code < 400 && antwort->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
}
} // namespace

Herunterladen::Herunterladen(Downloadoptionen optionen, QObject *eltern)
    : QObject(eltern), m_optionen(std::move(optionen)), m_netz(new QNetworkAccessManager(this)),
      m_gesamtuhr(new QTimer(this)), m_rateuhr(new QTimer(this))
{
    m_gesamtuhr->setSingleShot(true);
    connect(m_gesamtuhr, &QTimer::timeout, this, [this] {
        abbrechenWeil(QStringLiteral("Der Download dauerte länger als die erlaubten %1 Sekunden und wurde beendet.")
                          .arg(sekunden(m_auftrag.gesamtzeitMs)));
    });
    connect(m_rateuhr, &QTimer::timeout, this, &Herunterladen::ratePruefen);
}

void Herunterladen::ratePruefen()
{
    if (m_empfangenImFenster < m_optionen.mindestBytes) {
        abbrechenWeil(QStringLiteral("Der Server sendet zu langsam: weniger als %1 in %2 Sekunden. Der Download "
                                     "wurde beendet.")
                          .arg(menge(m_optionen.mindestBytes), sekunden(m_optionen.rateFensterMs)));
        return;
    }
    m_empfangenImFenster = 0;
}

void Herunterladen::uhrenAnhalten()
{
    m_gesamtuhr->stop();
    m_rateuhr->stop();
}

Herunterladen::~Herunterladen()
{
    if (m_antwort) {
        m_antwort->disconnect(this);
        m_antwort->abort();
    }
    if (m_datei)
        m_datei->cancelWriting();
}

void Herunterladen::starten(const Downloadauftrag &auftrag)
{
    if (m_laeuft)
        return;
    m_laeuft = true;
    m_auftrag = auftrag;
    m_aktuelleUrl = auftrag.url;
    m_empfangen = 0;
    m_empfangenImFenster = 0;
    m_weiterleitungen = 0;
    m_grund.clear();
    m_sslFehler.clear();
    m_vomNutzerAbgebrochen = false;

    if (!Updateserver::AdresseErlaubt(auftrag.url)) {
        melden(Downloadstatus::Fehler, QStringLiteral("Die Adresse \u201E%1\u201C ist keine sichere HTTPS-Adresse.")
                                           .arg(auftrag.url.toDisplayString()));
        return;
    }
    m_datei = std::make_unique<QSaveFile>(auftrag.ziel);
    if (!m_datei->open(QIODevice::WriteOnly)) {
        const QString fehler = DateiFehlerText(auftrag.ziel, m_datei->errorString(), true);
        m_datei.reset();
        melden(Downloadstatus::Fehler, fehler);
        return;
    }

    if (Updateserver::IstLoopback(auftrag.url)) {
        m_netz->setProxy(QNetworkProxy::NoProxy);
    } else {
        // The proxy the desktop is set up with.
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_netz->setProxy(QNetworkProxy::DefaultProxy);
    }
    if (auftrag.gesamtzeitMs > 0)
        m_gesamtuhr->start(auftrag.gesamtzeitMs);
    if (m_optionen.mindestBytes > 0 && m_optionen.rateFensterMs > 0)
        m_rateuhr->start(m_optionen.rateFensterMs);
    anfragen(auftrag.url);
}

void Herunterladen::anfragen(const QUrl &url)
{
    m_aktuelleUrl = url;
    QNetworkRequest anfrage(url);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, Programmname);
    // Redirects are followed here, one request each, so every target passes the same checks.
    anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    anfrage.setTransferTimeout(m_optionen.zeitlimitMs);
    // Packed bodies are unpacked here, not by Qt (which does so only when it set this header
    // itself): so a damaged one is told from one that unpacks beyond the size cap.
    anfrage.setRawHeader("Accept-Encoding", "gzip, deflate");
    m_entpacker.reset();
    if (m_auftrag.ohneCache) {
        anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        anfrage.setRawHeader("Cache-Control", "no-cache");
        anfrage.setRawHeader("Pragma", "no-cache");
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!m_optionen.zusaetzlicheZertifikate.isEmpty())
        tls.addCaCertificates(m_optionen.zusaetzlicheZertifikate);
    anfrage.setSslConfiguration(tls);

    m_antwort = m_netz->get(anfrage);
    connect(m_antwort, &QNetworkReply::metaDataChanged, this, &Herunterladen::kopfdatenPruefen);
    connect(m_antwort, &QNetworkReply::readyRead, this, &Herunterladen::datenLesen);
    connect(m_antwort, &QNetworkReply::downloadProgress, this, [this](qint64 empfangen, qint64 gesamt) {
        if (istErfolg(m_antwort))
            Q_EMIT fortschritt(empfangen, gesamt);
    });
    connect(m_antwort, &QNetworkReply::sslErrors, this, [this](const QList<QSslError> &fehler) {
        QStringList texte;
        for (const QSslError &f : fehler)
            texte << f.errorString();
        m_sslFehler = texte.join(QStringLiteral("; "));
    });
    connect(m_antwort, &QNetworkReply::finished, this, &Herunterladen::antwortFertig);
}

void Herunterladen::abbrechen()
{
    if (!m_antwort)
        return;
    m_vomNutzerAbgebrochen = true;
    antwortAbbrechen();
}

void Herunterladen::abbrechenWeil(const QString &grund)
{
    if (!m_grund.isEmpty())
        return;
    m_grund = grund;
    antwortAbbrechen();
}

void Herunterladen::antwortAbbrechen()
{
    // Not from within one of the reply's own signals: it may be in the middle of reporting.
    QTimer::singleShot(0, this, [antwort = m_antwort] {
        if (antwort)
            antwort->abort();
    });
}

void Herunterladen::kopfdatenPruefen()
{
    if (!m_antwort)
        return;
    const QVariant status = m_antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.toInt();
    if (!status.isValid() || code < 200 || istWeiterleitung(m_antwort))
        return; // no status yet, or a redirect, which is followed once it is complete
    if (code != 200) {
        const QString satz = m_antwort->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        const QString antwort = (QString::number(code) + QLatin1Char(' ') + satz).trimmed();
        abbrechenWeil(QStringLiteral("Der Server antwortete mit \u201E%1\u201C statt mit der Datei.").arg(antwort));
        return;
    }
    const QVariant laenge = m_antwort->header(QNetworkRequest::ContentLengthHeader);
    if (laenge.isValid() && laenge.toLongLong() > m_auftrag.maxGroesse) {
        abbrechenWeil(
            QStringLiteral("Die Datei ist größer als die erlaubten %1.").arg(grenzeText(m_auftrag.maxGroesse)));
        return;
    }
    if (istGepackt(m_antwort) && !m_entpacker) {
        const QByteArray art = m_antwort->rawHeader("Content-Encoding").trimmed().toLower();
        if (art == "gzip" || art == "x-gzip" || art == "deflate")
            m_entpacker = std::make_unique<Entpacker>(m_auftrag.maxGroesse);
        else
            abbrechenWeil(QStringLiteral("Der Server sandte die Datei in der unbekannten Packart \u201E%1\u201C.")
                              .arg(packart(m_antwort)));
    }
}

// Follows a redirect: at most five, and only where a download may go.
bool Herunterladen::weiterleiten(QNetworkReply *antwort)
{
    const QUrl nach = antwort->url().resolved(antwort->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
    if (++m_weiterleitungen > MaxWeiterleitungen) {
        m_grund = QStringLiteral("Der Server leitet zu oft weiter.");
        return false;
    }
    if (!Updateserver::WeiterleitungErlaubt(m_aktuelleUrl, nach)) {
        m_grund = QStringLiteral("Der Server leitet auf die unsichere Adresse \u201E%1\u201C weiter.")
                      .arg(nach.toDisplayString());
        return false;
    }
    anfragen(nach);
    return true;
}

void Herunterladen::datenLesen()
{
    if (!m_antwort || !m_datei || !m_grund.isEmpty())
        return;
    if (!istErfolg(m_antwort))
        return; // kopfdatenPruefen ends such an answer
    if (istGepackt(m_antwort) && !m_entpacker)
        kopfdatenPruefen();
    if (!m_grund.isEmpty())
        return;
    const QByteArray teil = m_antwort->readAll();
    m_empfangenImFenster += teil.size();
    const auto schreiben = [this](const char *daten, qsizetype laenge) {
        if (m_datei->write(daten, laenge) == laenge)
            return true;
        abbrechenWeil(DateiFehlerText(m_auftrag.ziel, m_datei->errorString(), true));
        return false;
    };
    if (m_entpacker) {
        switch (m_entpacker->hinzu(teil, schreiben)) {
        case Entpacker::Stand::Weiter:
            break;
        case Entpacker::Stand::ZuGross:
            abbrechenWeil(QStringLiteral("Die Datei ist entpackt größer als die erlaubten %1.")
                              .arg(grenzeText(m_auftrag.maxGroesse)));
            return;
        case Entpacker::Stand::Beschaedigt:
            abbrechenWeil(beschaedigtText());
            return;
        }
        m_empfangen = m_entpacker->entpackt();
        return;
    }
    m_empfangen += teil.size();
    if (m_empfangen > m_auftrag.maxGroesse) {
        abbrechenWeil(QStringLiteral("Die Datei ist größer als die erlaubten %1.").arg(grenzeText(m_auftrag.maxGroesse)));
        return;
    }
    schreiben(teil.constData(), teil.size());
}

QString Herunterladen::beschaedigtText() const
{
    return QStringLiteral("Der Server sandte die Datei gepackt (\u201EContent-Encoding: %1\u201C), und die gepackten "
                          "Daten sind beschädigt.")
        .arg(m_antwort ? packart(m_antwort) : QString());
}

QString Herunterladen::netzfehlerText(const QNetworkReply *antwort) const
{
    switch (antwort->error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Der Server hat die Verbindung abgelehnt.");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Der Server hat die Verbindung vorzeitig beendet.");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Der Server \u201E%1\u201C wurde nicht gefunden.").arg(m_aktuelleUrl.host());
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer time limit ran out
        return QStringLiteral("Der Server hat %1 Sekunden lang nicht geantwortet.").arg(sekunden(m_optionen.zeitlimitMs));
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Die Identität des Servers ließ sich nicht bestätigen: %1")
            .arg(m_sslFehler.isEmpty() ? antwort->errorString() : m_sslFehler);
    default:
        break;
    }
    if (istGepackt(antwort)) {
        // Qt names no reason when it stops unpacking for the size.
        const QString text = antwort->errorString().trimmed();
        const QString grund =
            text.endsWith(QLatin1Char(':'))
                ? QStringLiteral("sie ist entpackt größer als die erlaubten %1.").arg(grenzeText(m_auftrag.maxGroesse))
                : text;
        return QStringLiteral("Der Server sandte die Datei gepackt (\u201EContent-Encoding: %1\u201C), und sie ließ "
                              "sich nicht entpacken: %2")
            .arg(packart(antwort), grund);
    }
    return QStringLiteral("Die Verbindung zum Server ist gescheitert: %1").arg(antwort->errorString());
}

void Herunterladen::antwortFertig()
{
    if (!m_antwort)
        return;
    QNetworkReply *antwort = m_antwort;
    if (antwort->error() == QNetworkReply::NoError)
        datenLesen();

    if (!m_vomNutzerAbgebrochen && m_grund.isEmpty() && antwort->error() == QNetworkReply::NoError &&
        istWeiterleitung(antwort)) {
        antwort->disconnect(this);
        antwort->deleteLater();
        m_antwort = nullptr;
        if (weiterleiten(antwort))
            return;
    }

    uhrenAnhalten();
    Downloadstatus status = Downloadstatus::Fehler;
    QString fehler;
    if (m_vomNutzerAbgebrochen) {
        status = Downloadstatus::Abgebrochen;
    } else if (!m_grund.isEmpty()) {
        fehler = m_grund;
    } else if (antwort->error() != QNetworkReply::NoError) {
        fehler = netzfehlerText(antwort);
    } else if (!istErfolg(antwort)) {
        fehler = QStringLiteral("Der Server antwortete nicht mit der Datei.");
    } else if (m_entpacker && !m_entpacker->vollstaendig()) {
        fehler = beschaedigtText(); // the packed data broke off before its end
    } else if (!m_datei->commit()) {
        fehler = DateiFehlerText(m_auftrag.ziel, m_datei->errorString(), true);
    } else {
        status = Downloadstatus::Erfolg;
    }
    if (status != Downloadstatus::Erfolg)
        m_datei->cancelWriting();
    m_datei.reset();
    antwort->disconnect(this);
    antwort->deleteLater();
    m_antwort = nullptr;
    melden(status, fehler);
}

void Herunterladen::melden(Downloadstatus status, const QString &fehler)
{
    // From the event loop, so a receiver may delete this object or start the next download.
    QTimer::singleShot(0, this, [this, status, fehler] {
        m_laeuft = false;
        Q_EMIT fertig(Downloadergebnis{status, fehler});
    });
}
