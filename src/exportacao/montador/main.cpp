// Build step: turns the reviewable SQL text of the export definitions into the
// enciphered Expt_Kelpa.dat installed beside the programs.
//   kelpa-montadefs DEFINICOES.sql Expt_Kelpa.dat

#include "app/banco/ErroBanco.h"
#include "exportacao/DefinicoesExportacao.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2) {
        err << "Uso: kelpa-montadefs DEFINICOES.sql SAIDA.dat" << Qt::endl;
        return 2;
    }
    QFile sql(args.at(0));
    if (!sql.open(QIODevice::ReadOnly)) {
        err << "kelpa-montadefs: não foi possível ler " << args.at(0) << ": " << sql.errorString() << Qt::endl;
        return 2;
    }
    try {
        kelpa::DefinicoesExportacao::montar(QString::fromUtf8(sql.readAll()), args.at(1));
    } catch (const kelpa::ErroBanco &e) {
        err << "kelpa-montadefs: " << e.textoCompleto() << Qt::endl;
        return 3;
    }
    return 0;
}
