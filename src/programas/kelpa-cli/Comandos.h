#pragma once

#include "ContextoCli.h"

#include <QStringList>
#include <functional>

namespace kelpa::cli {

struct Comando {
    const char *nome;
    const char *uso;    // one line: arguments
    const char *resumo; // one line: what it does
    std::function<int(ContextoCli &, const QStringList &)> executar;
};

const QList<Comando> &comandos();

// Subcommands, one function each, grouped by the file that implements them.
int comandoInit(ContextoCli &ctx, const QStringList &args);
int comandoInfo(ContextoCli &ctx, const QStringList &args);
int comandoUpgrade(ContextoCli &ctx, const QStringList &args);
int comandoExport(ContextoCli &ctx, const QStringList &args);
int comandoDefs(ContextoCli &ctx, const QStringList &args);
int comandoPrint(ContextoCli &ctx, const QStringList &args);
int comandoValidate(ContextoCli &ctx, const QStringList &args);
int comandoSubmission(ContextoCli &ctx, const QStringList &args);
int comandoTransmit(ContextoCli &ctx, const QStringList &args);
int comandoBackup(ContextoCli &ctx, const QStringList &args);
int comandoRestore(ContextoCli &ctx, const QStringList &args);

} // namespace kelpa::cli
