#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>

namespace kelpa {

// Progress of an export: a percentage and a short text ("Processando tabela 3 de 29").
struct TProcessoRegistro {
    int percentual = 0;
    QString texto;
};
using TProcessoTabelasEvent = std::function<void(const TProcessoRegistro &)>;
using TProcessoDadosEvent = std::function<void(const TProcessoRegistro &)>;

// Writes the submission text file. What goes into it is not programmed here: the
// enciphered definitions file (Expt_Kelpa.dat, in the program home) lists the entities
// in order, each with the statement that selects the operator's rows. The file is
// Windows-1252 text with CR LF line ends:
//   1<header>                              file header
//   2@TABLE (ACTION) COL1|COL2|...         entity header, only for an entity with rows
//   3value|value|...                       one record per row (long ones in fractions)
//   2#TABLE|rows                           entity trailer
//   9|TOTAL|n                              n = 2 + all records
// Rows are streamed from the database to the file. The file appears only when it is
// complete; the deciphered definitions exist only during `Exportar`.
class TExportaArquivo
{
public:
    TExportaArquivo();

    void setConnection(const QSqlDatabase &db) { m_connection = db; }
    QSqlDatabase Connection() const { return m_connection; }

    // May hold "<<VERSAO_EXPTDEFS>>", replaced by the definitions' version.
    void setHeaderArquivo(const QString &texto) { m_headerArquivo = texto; }
    QString HeaderArquivo() const { return m_headerArquivo; }

    // Put in front of every line; trimmed, at most 2 characters (throws ErroBanco).
    void setPrefixo(const QString &prefixo);
    QString Prefixo() const { return m_prefixo; }

    // Directory of the definitions file; the program home when left empty.
    void setExptdefsPath(const QString &diretorio) { m_exptdefsPath = diretorio; }
    QString ExptdefsPath() const { return m_exptdefsPath; }

    void setNomeArquivo(const QString &arquivo) { m_nomeArquivo = arquivo; }
    QString NomeArquivo() const { return m_nomeArquivo; }

    // A file name without directory (throws ErroBanco otherwise); found whatever its
    // letter case.
    void setNomeArquivoExptDefs(const QString &nome);
    QString NomeArquivoExptDefs() const { return m_nomeArquivoExptDefs; }

    void setAoProcessarTabelas(TProcessoTabelasEvent evento) { m_aoProcessarTabelas = std::move(evento); }
    // With this set, each entity's rows are counted before they are written, so that
    // the percentage can be told.
    void setAoProcessarDados(TProcessoDadosEvent evento) { m_aoProcessarDados = std::move(evento); }
    // Called after every entity and every 100 rows, for a window to stay painted.
    void setProcessarEventos(std::function<void()> callback) { m_processarEventos = std::move(callback); }

    // Runs the export; parameter i of each entity's statement takes element i (the
    // callers pass one: the operator code without "-"). Returns true when the file was
    // completed; throws ErroBanco otherwise (with the messages the user reads).
    bool Exportar(const QVariantList &parametros);

    // Number written in the file trailer by the last export.
    qint64 TotalRegistros() const { return m_totalRegistros; }

    static QString nomePadraoExptDefs(); // "Expt_Kelpa.dat"
    static QString senhaExptDefs();      // the definitions' password
    static QString marcadorVersao();     // "<<VERSAO_EXPTDEFS>>"

private:
    QSqlDatabase m_connection;
    QString m_headerArquivo;
    QString m_prefixo;
    QString m_exptdefsPath;
    QString m_nomeArquivo;
    QString m_nomeArquivoExptDefs;
    TProcessoTabelasEvent m_aoProcessarTabelas;
    TProcessoDadosEvent m_aoProcessarDados;
    std::function<void()> m_processarEventos;
    qint64 m_totalRegistros = 0;
};

} // namespace kelpa
