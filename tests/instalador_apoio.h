#pragma once

// An installation package and an installation directory in a temporary directory:
// the package with small stand-ins for the program and the definitions and a real
// new-version database; the installation filled on demand from an older database.

#include "apoio/BancoTemporario.h"
#include "esquema_apoio.h"
#include "exportacao_apoio.h"

#include "app/banco/ConexaoBanco.h"
#include "instalador/Instalacao.h"
#include "instalador/TInstaladorManager.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kelpa::teste::instalador {

using exportacao::arquivosEm;
using exportacao::gravar;
using exportacao::ler;

inline QStringList nomesDoPacote()
{
    return {"Disk.1", "Expt_Kelpa.da_", "KELPA.ex_", "KELPA_Qor.md_"};
}

class AmbienteInstalacao
{
public:
    AmbienteInstalacao()
    {
        QDir().mkpath(pacote());
        QDir().mkpath(instalacao());
        gravar(pacote() + QStringLiteral("KELPA.ex_"), "programa novo");
        gravar(pacote() + QStringLiteral("Expt_Kelpa.da_"), "definicoes novas");
        gravar(pacote() + QStringLiteral("Disk.1"), "KELPA\n");
        BancoTemporario nova;
        nova.fechar();
        QFile::copy(nova.arquivo(), pacote() + QStringLiteral("KELPA_Qor.md_"));
    }

    QString pacote() const { return m_dir.path() + QStringLiteral("/pacote/"); }
    // An existing installation (for updates), without a trailing "/".
    QString instalacao() const { return m_dir.path() + QStringLiteral("/KELPA"); }
    QString padrao() const { return m_dir.path() + QStringLiteral("/dados/kelpa"); }
    QString baseInstalada() const { return instalacao() + QStringLiteral("/Kelpa.db"); }

    // The old program, its definitions and a database of an older version.
    void instalarAntigo(const char *versao, const std::function<void(BaseAntiga &)> &preparar = {})
    {
        BaseAntiga antiga(versao);
        if (preparar)
            preparar(antiga);
        antiga.fechar();
        ASSERT_TRUE(QFile::copy(antiga.arquivo(), baseInstalada()));
        gravar(instalacao() + QStringLiteral("/kelpa"), "programa antigo");
        gravar(instalacao() + QStringLiteral("/Expt_Kelpa.dat"), "definicoes antigas");
    }

    std::unique_ptr<TInstaladorManager> manager(Instalacao::Tipo tipo) const
    {
        auto m = std::make_unique<TInstaladorManager>(pacote());
        m->DirInstallDefault = padrao();
        Instalacao::configurar(*m, tipo, instalacao());
        return m;
    }

private:
    QTemporaryDir m_dir;
};

} // namespace kelpa::teste::instalador
