#pragma once

#include <QString>
#include <QStringList>

namespace kelpa::teste {

struct SaidaCli {
    int codigo = -1;
    QString out;
    QString err;
};

// Runs kelpa-cli as a user would, with the given arguments and standard input.
SaidaCli executarCli(const QStringList &argumentos, const QByteArray &entrada = {});

} // namespace kelpa::teste
