// zaviko-server: hosts card tables for people playing over the network.
#include "net/server/table_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QTextStream>

#include <cstdio>

namespace {

using zaviko::net::TServerOptions;

void Say(const QString& line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
}

// The certificate chain and its key for wss://; false with a message when
// either cannot be read.
bool LoadTls(const QString& certificatePath, const QString& keyPath, TServerOptions& options)
{
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(certificatePath);
    QFile keyFile(keyPath);
    if (chain.isEmpty() || !keyFile.open(QIODevice::ReadOnly)) {
        Say(QStringLiteral("cannot read the certificate %1 or the key %2")
                .arg(certificatePath, keyPath));
        return false;
    }
    QSslKey key(&keyFile, QSsl::Rsa);
    if (key.isNull()) key = QSslKey(keyFile.seek(0) ? keyFile.readAll() : QByteArray(), QSsl::Ec);
    if (key.isNull()) {
        Say(QStringLiteral("the key %1 is neither RSA nor EC in PEM").arg(keyPath));
        return false;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificateChain(chain);
    tls.setPrivateKey(key);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    options.tls = tls;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zaviko-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hosts Zaviko card tables over WebSocket."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port("port", "Port to listen on (default 7461).", "port", "7461");
    const QCommandLineOption bind("bind", "Address to listen on (default all).", "address");
    const QCommandLineOption tables("max-tables", "Most tables at once (default 100).", "n", "100");
    const QCommandLineOption certificate(
        "certificate", "PEM certificate chain for wss://.", "file");
    const QCommandLineOption key("key", "PEM private key for wss://.", "file");
    const QCommandLineOption host("public-host", "Host name invitation links give.", "name");
    const QCommandLineOption seed("seed", "Fixed match seeds, for tests only.", "n");
    parser.addOptions({ port, bind, tables, certificate, key, host, seed });
    parser.process(app);

    TServerOptions options;
    bool ok = true;
    options.maxTables = parser.value(tables).toInt(&ok);
    const int portNumber = parser.value(port).toInt();
    if (!ok || options.maxTables < 1 || portNumber < 0 || portNumber > 65535) {
        Say(QStringLiteral("--max-tables needs a positive number and --port 0..65535"));
        return 2;
    }
    options.publicHost = parser.value(host);
    if (parser.isSet(seed)) options.seed = parser.value(seed).toULongLong();
    if (parser.isSet(certificate) != parser.isSet(key)) {
        Say(QStringLiteral("--certificate and --key go together"));
        return 2;
    }
    if (parser.isSet(certificate)
        && !LoadTls(parser.value(certificate), parser.value(key), options))
        return 2;
    options.log = Say;

    const QHostAddress address
        = parser.isSet(bind) ? QHostAddress(parser.value(bind)) : QHostAddress(QHostAddress::Any);
    zaviko::net::TTableServer server(options);
    if (address.isNull() || !server.Listen(address, quint16(portNumber))) {
        Say(QStringLiteral("cannot listen on %1:%2: %3")
                .arg(parser.value(bind), parser.value(port), server.ErrorString()));
        return 1;
    }
    // The port first and alone on stdout, so that a parent (the load program,
    // a test) that asked for port 0 learns the one given.
    std::printf("%u\n", unsigned(server.Port()));
    std::fflush(stdout);
    Say(QStringLiteral("listening on %1:%2%3")
            .arg(address.toString())
            .arg(server.Port())
            .arg(options.tls ? " (TLS)" : ""));
    return app.exec();
}
