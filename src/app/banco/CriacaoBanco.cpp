#include "CriacaoBanco.h"

#include "ConexaoBanco.h"
#include "Consulta.h"
#include "ErroBanco.h"
#include "LeitorCsv.h"
#include "Transacao.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kelpa {

namespace {

QString lerRecurso(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroBanco(QStringLiteral("Arquivo interno ausente: %1").arg(caminho));
    return QString::fromUtf8(f.readAll());
}

bool identificadorValido(const QString &nome)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(nome).hasMatch();
}

} // namespace

QStringList CriacaoBanco::separarComandos(const QString &script)
{
    QStringList comandos;
    QString atual;
    bool aspas = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!aspas && c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
            while (i < script.size() && script.at(i) != u'\n')
                ++i;
            atual += u'\n';
            continue;
        }
        if (c == u'\'')
            aspas = !aspas;
        if (c == u';' && !aspas) {
            if (!atual.trimmed().isEmpty())
                comandos << atual.trimmed();
            atual.clear();
            continue;
        }
        atual += c;
    }
    if (!atual.trimmed().isEmpty())
        comandos << atual.trimmed();
    return comandos;
}

int CriacaoBanco::carregarCsv(const QSqlDatabase &db, const QString &tabela, const QString &texto)
{
    if (!identificadorValido(tabela))
        throw ErroBanco(QStringLiteral("Nome de tabela inválido: %1").arg(tabela));
    LeitorCsv leitor(texto);
    LeitorCsv::Linha cabecalho;
    if (!leitor.proxima(cabecalho))
        return 0;
    QStringList marcadores;
    for (int i = 0; i < cabecalho.campos.size(); ++i) {
        if (!identificadorValido(cabecalho.campos.at(i)))
            throw ErroBanco(QStringLiteral("Coluna inválida em %1: %2").arg(tabela, cabecalho.campos.at(i)));
        marcadores << QStringLiteral(":c%1").arg(i);
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(tabela, cabecalho.campos.join(u','), marcadores.join(u','));
    Consulta insercao(db, sql);
    int linhas = 0;
    LeitorCsv::Linha linha;
    while (leitor.proxima(linha)) {
        if (linha.campos.size() == 1 && linha.nulos.first())
            continue; // blank line
        if (linha.campos.size() != cabecalho.campos.size())
            throw ErroBanco(QStringLiteral("Linha %1 de %2 tem %3 campos; esperados %4.")
                                .arg(linhas + 2)
                                .arg(tabela)
                                .arg(linha.campos.size())
                                .arg(cabecalho.campos.size()));
        for (int i = 0; i < linha.campos.size(); ++i)
            insercao.bind(marcadores.at(i),
                          linha.nulos.at(i) ? QVariant(QMetaType(QMetaType::QString)) : QVariant(linha.campos.at(i)));
        insercao.executar();
        ++linhas;
    }
    return linhas;
}

void CriacaoBanco::popular(const QSqlDatabase &db)
{
    Transacao transacao(db);
    // Code tables reference each other; check the references once everything is in.
    executarSql(db, QStringLiteral("PRAGMA defer_foreign_keys=ON"));
    for (const QString &comando : separarComandos(lerRecurso(QStringLiteral(":/db/esquema.sql"))))
        executarSql(db, comando);

    QStringList arquivos;
    QDirIterator it(QStringLiteral(":/db/dados"), {QStringLiteral("*.csv")}, QDir::Files);
    while (it.hasNext())
        arquivos << it.next();
    arquivos.sort();
    for (const QString &arquivo : arquivos)
        carregarCsv(db, QFileInfo(arquivo).completeBaseName(), lerRecurso(arquivo));
    transacao.confirmar();
}

void CriacaoBanco::criar(const QString &arquivo)
{
    if (QFileInfo::exists(arquivo))
        throw ErroBanco(QStringLiteral("Já existe uma base de dados em %1.").arg(arquivo));
    const QString temporario = arquivo + QStringLiteral(".novo");
    QFile::remove(temporario);
    try {
        {
            auto conexao = ConexaoBanco::abrirCriando(temporario);
            popular(conexao->db());
        }
        // rename() refuses to replace, so a database that appeared meanwhile is kept.
        if (!QFile::rename(temporario, arquivo))
            throw ErroBanco(QStringLiteral("Não foi possível criar a base de dados em %1.").arg(arquivo));
    } catch (...) {
        QFile::remove(temporario);
        QFile::remove(temporario + QStringLiteral("-journal"));
        throw;
    }
}

} // namespace kelpa
