#include "app/end_program.h"

#include "platform/instance_lock.h"
#include "platform/process.h"

void EndProgram(int status) {
    ReleaseInstanceLock();
    EndProcess(status);
}
