#pragma once

#include "relatorios/DocumentoRelatorio.h"

#include <QDate>
#include <QPrintPreviewDialog>
#include <QSqlDatabase>

class QAction;

namespace kelpa::relatorios {

class ImpressaoComposta;
struct FormaImpressao;

// The modal preview of a document: the user pages through it, prints it or saves it
// as PDF ("Salvar como PDF...").
class VisualizadorRelatorio : public QPrintPreviewDialog
{
    Q_OBJECT

public:
    explicit VisualizadorRelatorio(const DocumentoRelatorio &documento, QWidget *parent = nullptr);
    ~VisualizadorRelatorio() override;

    const DocumentoRelatorio &documento() const { return m_documento; }
    QAction *acaoSalvarPdf() const { return m_salvarPdf; }
    // Writes the PDF without asking; false, after telling the user, when it cannot be written.
    bool salvarPdf(const QString &arquivo);

    // What a printing selector does after reading its reports: names those without
    // data in the warning `mensagem` (when not empty) and previews the others, if any.
    // Returns true when a preview was shown.
    static bool mostrar(const ImpressaoComposta &impressao, const QString &mensagem, QWidget *parent = nullptr);
    // What a quadro's print action does: reads the quadro's reports for the operator
    // and the period on screen, then as above. Throws ErroBanco when the data cannot be read.
    static bool imprimir(const FormaImpressao &forma, const QSqlDatabase &db, const QString &operadora,
                         const QDate &data, QWidget *parent = nullptr);

private:
    void perguntarESalvarPdf();

    DocumentoRelatorio m_documento;
    QAction *m_salvarPdf = nullptr;
};

} // namespace kelpa::relatorios
