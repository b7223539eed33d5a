#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "panel/ui/UDialogos.h"

using namespace Qt::StringLiterals;

// The real file dialog as a request sets it up: the folder it starts in and
// the folders its sidebar offers (the pen drives).
class TesteDialogos : public QObject {
    Q_OBJECT
private slots:
    void pastaEAtalhos()
    {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        const QString pen = pasta.filePath(u"PENDRIVE"_s);
        QVERIFY(QDir().mkpath(pen));
        QWidget janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QString diretorio;
        QList<QUrl> atalhos;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
            auto *dialogo = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            diretorio = dialogo->directory().absolutePath();
            atalhos = dialogo->sidebarUrls();
            dialogo->reject();
        });
        TPedidoArquivo pedido;
        pedido.Salvar = true;
        pedido.Titulo = u"Salvar no PenDrive..."_s;
        pedido.Filtro = u"Arquivos PenDrive (*.art)|*.art"_s;
        pedido.Pasta = pen;
        pedido.Atalhos = {pen};
        QCOMPARE(TDialogos::Perguntar(pedido), QString());
        QCOMPARE(diretorio, pen);
        QVERIFY(atalhos.contains(QUrl::fromLocalFile(pen)));
    }
};

QTEST_MAIN(TesteDialogos)
#include "tst_dialogos.moc"
