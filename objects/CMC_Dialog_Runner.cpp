#include "objects/CMC_Dialog_Runner.h"

#include "graphics/CAnimo6.h"
#include "graphics/CImage.h"
#include "graphics/CMultilineText6.h"
#include "graphics/CXDialog.h"
#include "objects/CMC_Animo.h"
#include "objects/CMC_Button.h"
#include "objects/CMC_Dialog.h"
#include "objects/CMC_Image.h"
#include "objects/CMC_Text.h"

namespace {

// The picture of an IMAGE or an ANIMO; null for any other object.
CGraphicsObject* pictureOf(CMC_Object* object)
{
    if (auto* image = dynamic_cast<CMC_Image*>(object))
        return image->getImage();
    if (auto* animo = dynamic_cast<CMC_Animo*>(object))
        return animo->getAnimo();
    return nullptr;
}

} // namespace

void CMC_Dialog_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SHOW", SHOW);
    putMethod("HIDE", HIDE);
    putMethod("SETBACKGROUND", SETBACKGROUND);
    putMethod("ADD", ADD);
}

CMC_Variable* CMC_Dialog_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* dialogObject = dynamic_cast<CMC_Dialog*>(object);
    CXDialog* dialog = dialogObject != nullptr ? dialogObject->getDialog() : nullptr;
    if (dialog == nullptr || id < SHOW || id > ADD)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = dialogObject->getScene();
    switch (id) {
    case SHOW:
        dialog->show();
        break;
    case HIDE:
        dialog->hide();
        break;
    case SETBACKGROUND:
        setBackground(dialog, objectArgument(arguments, 0, container));
        break;
    default:
        add(dialog, objectArgument(arguments, 0, container));
        break;
    }
    return nullptr;
}

void CMC_Dialog_Runner::setBackground(CXDialog* dialog, CMC_Object* named)
{
    if (CGraphicsObject* picture = pictureOf(named))
        dialog->setBackground(picture);
}

void CMC_Dialog_Runner::add(CXDialog* dialog, CMC_Object* named)
{
    if (auto* button = dynamic_cast<CMC_Button*>(named)) {
        dialog->add(button->getButton());
        return;
    }
    if (auto* text = dynamic_cast<CMC_Text*>(named)) {
        dialog->add(text->getText());
        return;
    }
    if (CGraphicsObject* picture = pictureOf(named))
        dialog->add(picture);
}
