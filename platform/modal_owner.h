#pragma once

class QWidget;

// The invisible window that owns windows which must not get a task-bar entry of their own.
void CreateModalOwnerWindow();
QWidget* ModalOwnerWindow();
void ReleaseModalOwnerWindow();
