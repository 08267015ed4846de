#include "KorrunContacts.h"

#include "KorrunBody.h"

#include <box2d/b2_contact.h>
#include <box2d/b2_fixture.h>

void KorrunContacts::BeginContact(b2Contact* contact)
{
    KorrunBody* a = KorrunBody::of(contact->GetFixtureA()->GetBody());
    KorrunBody* b = KorrunBody::of(contact->GetFixtureB()->GetBody());
    a->begun().push_back(b->id());
    b->begun().push_back(a->id());
}
