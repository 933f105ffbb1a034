#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace kelpa {

// The "Defaults" section of Kelpa.ini, held as the list of name=value pairs that
// every window reads by key. Only the directory and operator dialogs write keys:
// they write the file and then refill the list.
class Configuracao
{
public:
    static QString nomeSecao() { return QStringLiteral("Defaults"); }
    static QString hostPadrao() { return QStringLiteral("vtx.qor.gov.br"); }

    // The six lines a missing Kelpa.ini is created with.
    static QString textoPadrao(const QString &diretorioBase);
    // Writes the default file when `caminhoIni` does not exist. True when it wrote it.
    static bool garantirArquivo(const QString &caminhoIni, const QString &diretorioBase);
    // Writes one key of the "Defaults" section into the file, keeping every other line.
    static bool gravar(const QString &caminhoIni, const QString &chave, const QString &valor);

    // An empty text stays empty; otherwise the trimmed directory with "/" at the end.
    // Backslashes of a file copied from Windows become "/".
    static QString NormalizaDiretorio(const QString &diretorio);

    // Clears the list and reads the section again. False when the file cannot be read.
    bool LeConfiguracao(const QString &caminhoIni);

    QString valor(const QString &chave) const; // case-insensitive; empty when missing
    const QList<QPair<QString, QString>> &valores() const { return m_valores; }

    QString diretorioBase() const { return NormalizaDiretorio(valor(QStringLiteral("DiretorioBase"))); }
    QString operadora() const { return valor(QStringLiteral("Operadora")); }

private:
    QList<QPair<QString, QString>> m_valores;
};

} // namespace kelpa
