// Runs the real quorvane executable to write the pages of a project.
import {execFile} from 'node:child_process';
import {copyFile, mkdir} from 'node:fs/promises';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {promisify} from 'node:util';

import {WriteProject} from './project.js';

const kRun = promisify(execFile);

const kPreviewPage = 'quorvane_preview.html';
export const kFramesetPage = 'quorvane_preview_frameset.html';
export const kSecondFramePage = 'quorvane_preview_frame2.html';
const kCodeFile = 'menu-code.html';
// The image for graphic buttons; a test names it as the button's address.
export const kButtonImage = 'go-button.png';

function Executable() {
    const exe = process.env.QUORVANE_EXE;
    if (!exe) {
        throw new Error('QUORVANE_EXE must name the quorvane executable');
    }
    return exe;
}

// Runs quorvane with `args`; rejects with its exit status and standard error.
export async function RunQuorvane(args) {
    try {
        await kRun(Executable(), args);
    } catch (error) {
        throw new Error(`quorvane ${args.join(' ')} failed (exit ${error.code}): ${error.stderr}`);
    }
}

// Writes the project into `folder` (or has `project(folder)` make it and resolve to its path)
// and exports it with the target "preview" (the default) or "file"; the button image is put
// beside the pages. Resolves to the path of the page written.
export async function ExportProject(folder, project, target = 'preview') {
    await mkdir(folder, {recursive: true});
    let projectPath = path.join(folder, 'menu.qvn');
    if (typeof project === 'function') {
        projectPath = await project(folder);
    } else {
        await WriteProject(projectPath, project);
    }
    await copyFile(fileURLToPath(new URL(`../${kButtonImage}`, import.meta.url)),
                   path.join(folder, kButtonImage));
    const output = path.join(folder, target === 'file' ? kCodeFile : kPreviewPage);
    await RunQuorvane(['--export-code', projectPath, '--target', target, '--output', output]);
    return output;
}
