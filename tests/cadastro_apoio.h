#pragma once

// Shared set-up of the registration tests: operators registered as a user would,
// and a Quadro 1 period filled completely.

#include "apoio/BancoTemporario.h"

#include "app/CadastroOperadoras.h"
#include "app/banco/Consulta.h"
#include "quadros/cadastro/CadastroComplementar.h"
#include "quadros/cadastro/CadastroPessoas.h"
#include "quadros/cadastro/Municipios.h"

#include <gtest/gtest.h>

namespace kelpa::teste {

inline void registraOperadora(const BancoTemporario &banco, const QString &codigo)
{
    CadastroOperadoras operadoras(banco.db());
    ASSERT_EQ(operadoras.registrar(codigo, codigo), CadastroOperadoras::ResultadoRegistro::Registrada);
}

inline int contaLinhas(const BancoTemporario &banco, const QString &tabela, const QString &condicao)
{
    return banco.escalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(tabela, condicao)).toInt();
}

// Every field Quadro 1 asks for, with real municipalities, and one phone.
inline PeriodoCadastro preencheCadastro(const BancoTemporario &banco, CadastroComplementar &cadastro, const QString &codOper,
                                        const QDate &periodo)
{
    PeriodoCadastro p = cadastro.Carrega(periodo);
    const auto saoPaulo = Municipios::PorCodigo(banco.db(), 3550308);
    const auto campinas = Municipios::PorCodigo(banco.db(), 3509502);
    p.nomeFantasia = QStringLiteral("EXEMPLO");
    p.matriz = EnderecoCadastro{QStringLiteral("RUA AUGUSTA"), QStringLiteral("100"), QStringLiteral("SALA 2"), QStringLiteral("CONSOLAÇÃO"),
                                QStringLiteral("01304000"), saoPaulo->id, saoPaulo->nome, saoPaulo->uf};
    p.correspondencia = EnderecoCadastro{QStringLiteral("AVENIDA NORTE-SUL"), QStringLiteral("5"), {}, QStringLiteral("CAMBUÍ"),
                                         QStringLiteral("13025320"), campinas->id, campinas->nome, campinas->uf};
    p.email = QStringLiteral("contato@exemplo.com.br");
    CadastroPessoas pessoas(banco.db(), codOper);
    if (pessoas.Telefones(0, periodo).isEmpty()) {
        Telefone t;
        t.ddd = QStringLiteral("11");
        t.numero = QStringLiteral("30001000");
        pessoas.GravaTelefone(0, periodo, t);
    }
    p.telefones = pessoas.Telefones(0, periodo);
    return p;
}

} // namespace kelpa::teste
