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

// Writes the project into `folder` and exports it with the target "preview" (the default) or
// "file"; the button image is put beside the pages. Resolves to the path of the page written.
export async function ExportProject(folder, project, target = 'preview') {
    await mkdir(folder, {recursive: true});
    const projectPath = path.join(folder, 'menu.qvn');
    await WriteProject(projectPath, project);
    await copyFile(fileURLToPath(new URL(`../${kButtonImage}`, import.meta.url)),
                   path.join(folder, kButtonImage));
    const output = path.join(folder, target === 'file' ? kCodeFile : kPreviewPage);
    const args = ['--export-code', projectPath, '--target', target, '--output', output];
    try {
        await kRun(Executable(), args);
    } catch (error) {
        throw new Error(`quorvane ${args.join(' ')} failed (exit ${error.code}): ${error.stderr}`);
    }
    return output;
}
