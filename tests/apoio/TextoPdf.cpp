#include "TextoPdf.h"

#include <QProcess>
#include <QRegularExpression>

namespace kelpa::teste {

namespace {

QString executar(const QString &programa, const QStringList &argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QStringList paginasPdf(const QString &arquivo, bool comLayout)
{
    QStringList argumentos;
    if (comLayout)
        argumentos << QStringLiteral("-layout");
    argumentos << QStringLiteral("-enc") << QStringLiteral("UTF-8") << arquivo << QStringLiteral("-");
    QStringList paginas = executar(QStringLiteral("pdftotext"), argumentos).split(u'\f');
    // pdftotext ends every page with a form feed: the piece after the last one is empty.
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

QList<QSizeF> tamanhosPaginasPdf(const QString &arquivo)
{
    const QString info = executar(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                              QStringLiteral("-l"), QStringLiteral("9999"), arquivo});
    static const QRegularExpression tamanho(QStringLiteral(R"(Page\s+\d+\s+size:\s+([\d.]+)\s+x\s+([\d.]+))"));
    QList<QSizeF> tamanhos;
    auto it = tamanho.globalMatch(info);
    while (it.hasNext()) {
        const auto m = it.next();
        tamanhos << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return tamanhos;
}

} // namespace kelpa::teste
