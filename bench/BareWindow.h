// The baseline of the start-up benchmarks: a bare Qt window of two tables of three rows, the
// same in-process and as a program of its own.
#pragma once

#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

struct BareWindow {
    BareWindow() : model(3, 2)
    {
        auto* central = new QWidget(&window);
        auto* layout = new QVBoxLayout(central);
        for (int row = 0; row < 3; ++row)
            model.setItem(row, 0, new QStandardItem(QStringLiteral("Language %1").arg(row)));
        for (int i = 0; i < 2; ++i) {
            auto* table = new QTableView(central);
            table->setModel(&model);
            layout->addWidget(table);
        }
        window.setCentralWidget(central);
    }
    QMainWindow window;
    QStandardItemModel model;
};
