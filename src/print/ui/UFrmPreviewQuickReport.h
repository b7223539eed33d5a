#pragma once

#include <QDialog>
#include <QList>
#include <QPrinter>
#include <QString>

#include <functional>

#include "print/URelatorioPagina.h"

class QAction;
class QKeyEvent;
class QLabel;
class QPrintPreviewWidget;
class QProgressBar;
class QScrollBar;
class QStatusBar;
class QToolBar;

// The window in which a generated report is shown: the operator pages through
// it, zooms, prints it or saves it as a PDF. The view, the printer and the PDF
// receive the same pages, painted by one function. Keys are seen by the window
// before its controls (FormKeyDown). The window owns nothing of the report.
class TFrm_PreviewQuickReport : public QDialog {
    Q_OBJECT
public:
    // The pages of a report; `titulo` is the report title ("Lista de Destinos"), empty when it has none.
    TFrm_PreviewQuickReport(QList<TPaginaRelatorio> paginas, const QString &titulo, QWidget *dono = nullptr);
    ~TFrm_PreviewQuickReport() override;

    enum class TEstado { Pronto, Ocupado, Concluido };
    // "Pronto", "Ocupado", "Concluído".
    static QString TextoDoEstado(TEstado estado);
    // How far Alt+arrow moves a scroll bar: a tenth of its range, rounded.
    static int PassoRolagem(const QScrollBar &barra);

    // Seams, so that the program's tests (and a caller without a display
    // loop) can answer the window and its dialogs. Unset, the real ones run.
    // Shows the window and returns when it has closed; unset: exec().
    static std::function<void(TFrm_PreviewQuickReport &janela)> ExibirModal;
    // The save dialog: returns the file chosen, empty when cancelled.
    static std::function<QString(QWidget *dono, const QString &titulo, const QString &nomeProposto,
                                 const QString &filtro)>
        EscolherArquivo;
    // The print setup dialog for `paginas` pages: true when confirmed, its choices set on the printer.
    static std::function<bool(QPrinter &impressora, int paginas, QWidget *dono)> ConfigurarImpressao;

    // Shows the window modally (ExibirModal when set) and returns when it has closed.
    void MostrarModal();

    int PaginaAtual() const;
    int QuantidadeDePaginas() const;
    int Zoom() const { return zoom; } // percent
    QString TextoDoPainel(int indice) const;

    // Writes every page to the file as a PDF; TErro when it cannot.
    void ExportarPDF(const QString &arquivo);

    QToolBar *ToolBar;
    QPrintPreviewWidget *QRPreview1;
    QStatusBar *StatusBar;
    QProgressBar *ProgressBar;
    QAction *Act_Anterior;
    QAction *Act_Proximo;
    QAction *Act_ZoomIn;
    QAction *Act_ZoomOut;
    QAction *Act_Salvar;
    QAction *Act_Imprimir;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void criarComandos();
    void criarControles();
    void OcuparAreaDeTrabalho();
    // The pages go into the view, as the engine's preview generation would deliver them.
    void Gerar();
    bool FormKeyDown(QKeyEvent *evento);
    void QRPreview1PageAvailable(int paginas);
    void QRPreview1ProgressUpdate(int percentual);
    void AtualizarEstado();
    void Act_AnteriorExecute();
    void Act_ProximoExecute();
    void Act_ZoomInExecute();
    void Act_ZoomOutExecute();
    void Act_SalvarExecute();
    void Act_ImprimirExecute();
    void irParaPagina(int pagina);
    void definirZoom(int percentual);
    void rolar(QScrollBar *barra, int sentido);
    void definirEstado(TEstado estado);
    // Runs a long command with the state "Ocupado" and the progress bar, then "Concluído";
    // false when it failed (its error shown).
    template <typename F> bool ocupado(F &&comando);

    QList<TPaginaRelatorio> paginas;
    QString titulo;
    QPrinter impressoraPreview;
    QLabel *paineis[2];
    bool PrimeiraPagina = false;
    QString TextoEstado;
    int zoom = 200;
};
